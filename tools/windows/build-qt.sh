#!/usr/bin/env bash
# Cross-builds Qt for 64-bit Windows (qtbase: Core, Gui, Widgets, Test and the windows
# platform plugin) from Debian's own source of the Qt that the Linux build uses, into
# PREFIX. Nothing prebuilt is downloaded: the source package comes from Debian's archive.
# About 21 minutes on 2 cores; callers keep PREFIX in a cache outside the clone.
set -euo pipefail
prefix=${1:?usage: build-qt.sh PREFIX}
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/../../cmake/toolchains/mingw-w64-x86_64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# The work folder outlives a failed or interrupted build, so running again goes on where
# it stopped instead of starting the 20 minutes afresh.
work=$prefix.work
mkdir -p "$work"
cd "$work"

# A source list of its own, so the machine's apt configuration is left as it is.
mkdir -p lists/partial
echo "deb-src http://deb.debian.org/debian bookworm main" > sources.list
apt_options=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o Dir::State::Lists="$work/lists")
if [[ ! -d qtbase ]]; then
    apt-get "${apt_options[@]}" update -q
    apt-get "${apt_options[@]}" source --download-only -q "qt6-base=$version"
    # Debian's security fixes only: its other patches are about building for Debian.
    dpkg-source --skip-patches -x qt6-base_*.dsc qtbase
    for patch in qtbase/debian/patches/cve-*; do
        patch -d qtbase -p1 --quiet <"$patch"
    done
    # With direct2d off, the windows plugin still names the DirectWrite font database that
    # only a direct2d build of Qt Gui has; it is used under directwrite3 alone.
    sed -i 's/QT_CONFIG(directwrite3)/(QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d))/' \
        qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp
fi

features=(opengl dynamicgl dbus sql network printsupport concurrent xml vulkan zstd tabletevent direct2d
          system_zlib system_png system_jpeg system_freetype system_harfbuzz system_pcre2
          system_doubleconversion)
cmake_features=()
for feature in "${features[@]}"; do
    cmake_features+=("-DFEATURE_$feature=OFF")
done
[[ -f build/build.ninja ]] || cmake -S qtbase -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_testlib=ON \
    "${cmake_features[@]}"
cmake --build build
rm -rf "$prefix"
cmake --install build
touch "$prefix/.complete"
cd / && rm -rf "$work"
