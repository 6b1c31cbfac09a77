#!/usr/bin/env bash
# Cross-builds Qt for 64-bit Windows (qtbase: Core, Gui, Widgets, Test, the windows
# platform plugin and the Windows styles) from Debian's own source of the Qt this machine
# has, into PREFIX; the Makefile runs it on Debian 13, for Qt 6.8. Nothing prebuilt is
# downloaded: the source package comes from Debian's archive. About 40 minutes on 2 cores;
# callers keep PREFIX in a cache outside the clone.
set -euo pipefail
prefix=${1:?usage: build-qt.sh PREFIX}
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/../../cmake/toolchains/mingw-w64-x86_64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
release=$(. /etc/os-release && echo "$VERSION_CODENAME")

# The work folder outlives a failed or interrupted build, so running again goes on where
# it stopped instead of starting the 20 minutes afresh.
work=$prefix.work
mkdir -p "$work"
cd "$work"

# A source list of its own, so the machine's apt configuration is left as it is.
mkdir -p lists/partial
echo "deb-src http://deb.debian.org/debian $release main" > sources.list
apt_options=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o Dir::State::Lists="$work/lists")
if [[ ! -d qtbase ]]; then
    apt-get "${apt_options[@]}" update -q
    apt-get "${apt_options[@]}" source --download-only -q "qt6-base=$version"
    # The fixes Debian takes from upstream (its security fixes among them), in its order;
    # its other patches are about building for Debian.
    rm -rf qtbase.partial
    dpkg-source --skip-patches -x qt6-base_*.dsc qtbase.partial
    grep '^upstream_' qtbase.partial/debian/patches/series | while read -r patch; do
        patch -d qtbase.partial -p1 --quiet <"qtbase.partial/debian/patches/$patch"
    done
    mv qtbase.partial qtbase
fi

# Direct2D stays: Qt 6.8's fonts come through DirectWrite, whose code in Qt Gui is only
# built with it.
features=(opengl dynamicgl dbus sql network printsupport concurrent xml vulkan zstd tabletevent
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
