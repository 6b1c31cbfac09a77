# Everything a fresh Debian 12 machine needs, then the build, then the program or the tests.
# The default preset's folder (CMakePresets.json).
BUILD := build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

# What building and starting the program needs (the build includes the unit tests).
DEBIAN_PACKAGES := cmake g++ make pkg-config \
	qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-webengine-dev libglib2.0-dev libxcb1-dev \
	libwayland-dev wayland-protocols qt6-wayland libgtest-dev libgmock-dev
# What the tests add: the sanitizers' and the fuzzer's compiler, the X and Wayland servers
# the end-to-end tests drive the program on, the accessibility bus, the real browsers a
# search is tried in, the package and metadata checkers, and the debugger that reads a
# crashed test's core.
TEST_PACKAGES := clang libclang-rt-dev clang-format gdb \
	fonts-liberation2 xvfb xauth xdotool x11-utils imagemagick \
	sway xwayland wtype grim jq \
	dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0 \
	firefox-esr chromium \
	desktop-file-utils appstream librsvg2-bin dpkg-dev file lintian
# GNOME's and KDE's compositors, which the tests run headless; without what a whole
# desktop would bring along with them.
DESKTOP_PACKAGES := mutter kwin-wayland plasma-wayland-protocols

.PHONY: all deps configure build run test check test-sanitized fuzz package bench screenshots \
	clean windows windows-qt test-windows debian13-root test-debian13 package-debian13 \
	copy-debian13-packages

all: build

# The package check runs once, and again whenever this file (and so the list) changes.
DEPS_STAMP := $(BUILD)/.debian-packages

deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing Debian packages:" $$missing; \
		$(SUDO) apt-get update -q && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $(APT_OPTIONS) $$missing; \
	fi

$(DEPS_STAMP): Makefile
	@$(MAKE) --no-print-directory deps
	@mkdir -p $(@D) && touch $@

# The configurations are CMake presets (CMakePresets.json); these targets only name them.
configure: $(DEPS_STAMP)
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./$(BUILD)/bin/tessorin

TEST_STAMP := $(BUILD)/.test-packages

$(TEST_STAMP): Makefile
	@$(MAKE) --no-print-directory deps DEBIAN_PACKAGES="$(TEST_PACKAGES)"
	@$(MAKE) --no-print-directory deps DEBIAN_PACKAGES="$(DESKTOP_PACKAGES)" \
		APT_OPTIONS=--no-install-recommends
	@mkdir -p $(@D) && touch $@

# Every test of this machine's build, then the same suite under the sanitizers, the fuzzer,
# Debian 13 and the Windows build. Each stage runs even when one before it failed, and the
# run ends with one line a stage (tools/ci/stages.sh).
TEST_STAGES := check test-sanitized fuzz test-debian13 test-windows

test:
	@tools/ci/stages.sh $(TEST_STAGES)

# A crash in any test shows the signal and the stack of the thread that died, read from
# its core after the run.
CTEST = tools/ci/ctest-with-stacks.sh

# The test tools come first: the configuration builds the compositor tests' keyboard only
# where KWin's protocol description is installed.
check: $(TEST_STAMP) build
	$(CTEST) $(BUILD) --preset default -j $(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# tree of its own; any report ends the test program that made it, so its test fails. The
# tests that load Qt WebEngine turn off only its new/delete size check (tests/CMakeLists.txt),
# and leaks inside system libraries are listed in tests/sanitizers/lsan.supp.
test-sanitized: $(DEPS_STAMP) $(TEST_STAMP)
	cmake --preset sanitizers
	cmake --build --preset sanitizers -j $(JOBS)
	$(CTEST) build-asan --preset sanitizers -j $(JOBS)

# The INI module under libFuzzer for FUZZ_SECONDS, from the seeds in tests/fuzz/corpus;
# a crash or a broken promise fails the run and leaves the input in build-fuzz/tests/fuzz.
FUZZ_SECONDS ?= 60

fuzz: $(DEPS_STAMP) $(TEST_STAMP)
	cmake --preset fuzz -DTESSORIN_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build --preset fuzz -j $(JOBS)
	$(CTEST) build-fuzz --preset fuzz

# The Debian packages, in $(BUILD).
package: build
	@$(MAKE) --no-print-directory deps DEBIAN_PACKAGES="dpkg-dev file"
	cd $(BUILD) && cpack --config CPackConfig.cmake

# Debian 13 (trixie, Qt 6.8) beside this machine's Debian 12: a minimal system made once
# with debootstrap from the machine's Debian mirror and kept in the cache
# (tools/debian13/root-path.sh names it). The whole suite runs there as root with no
# display, then the Debian 13 packages are built, copied to $(BUILD)/debian13/ and
# installed with apt-get into a fresh copy of the bare system, where the program must
# start. On Debian 13 itself the suite above and `make package` already are that release's.
ON_DEBIAN13 := $(shell . /etc/os-release 2>/dev/null && [ "$$VERSION_CODENAME" = trixie ] && echo yes)
DEBIAN13_ROOT = $$(tools/debian13/root-path.sh)
CACHE := $${XDG_CACHE_HOME:-$$HOME/.cache}/tessorin
IN_DEBIAN13 = $(SUDO) tools/debian13/run.sh --source $(CURDIR) --cache "$(CACHE)" \
	"$(DEBIAN13_ROOT)/build"

debian13-root:
	@$(MAKE) --no-print-directory deps DEBIAN_PACKAGES="debootstrap rsync"
	@root=$(DEBIAN13_ROOT); [ -d "$$root" ] || $(SUDO) tools/debian13/make-root.sh "$$root"

ifeq ($(ON_DEBIAN13),yes)
test-debian13:
	@echo "This machine runs Debian 13: the suite above was Debian 13's."

package-debian13: package
else
test-debian13: debian13-root
	$(IN_DEBIAN13) make --no-print-directory check package JOBS=$(JOBS)
	$(MAKE) --no-print-directory copy-debian13-packages
	$(SUDO) tests/packaging/install-on-debian13.sh "$(DEBIAN13_ROOT)" $(BUILD)/debian13/*.deb

package-debian13: debian13-root
	$(IN_DEBIAN13) make --no-print-directory package JOBS=$(JOBS)
	$(MAKE) --no-print-directory copy-debian13-packages
endif

copy-debian13-packages:
	rm -rf $(BUILD)/debian13 && mkdir -p $(BUILD)/debian13
	cp "$(DEBIAN13_ROOT)"/build/tessorin/$(BUILD)/*.deb $(BUILD)/debian13/
	@ls -1 $(BUILD)/debian13/*.deb

# Performance figures, printed side by side in one run (bench/run.sh): start-up against a
# bare Qt window, Search against a bare posix_spawn loop and an xdg-open loop, PeekShot
# against a bare web view, settings profiles. Never part of `test`.
BENCH_RUNS ?= 15
# Each run of a real browser takes some seconds: fewer of them.
REAL_BROWSER_RUNS ?= 3
BENCH_PACKAGES := libxcb1-dev libxcb-xtest0-dev xdg-utils libbenchmark-dev bc $(TEST_PACKAGES)

bench: $(DEPS_STAMP)
	@$(MAKE) --no-print-directory deps DEBIAN_PACKAGES="$(BENCH_PACKAGES)"
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	bench/run.sh build-bench $(BENCH_RUNS)
	bench/real_browsers.sh build-bench $(REAL_BROWSER_RUNS)

# The README's pictures, in docs/screenshots, from the program just built.
screenshots: build
	tools/screenshots.sh $(BUILD)/bin/tessorin docs/screenshots

# Tessorin for Windows, cross-built: build-windows/Tessorin-<version>-win64-setup.exe and
# Tessorin-<version>-win64.zip, on Qt 6.8 with Debian 13's MinGW-w64. Qt for Windows is
# built once from Debian 13's own source of it into a cache outside the clone
# (tools/windows/qt-prefix.sh names it; about 40 minutes on two cores the first time) and
# reused after that. Cross-building Qt needs the same Qt version on the build machine, so
# on Debian 12 all of it runs in the Debian 13 system above, and the installer and the zip
# are copied out.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build dpkg-dev \
	wine wine64 nsis zip librsvg2-bin imagemagick xvfb xdotool
WINDOWS_BUILD := build-windows

ifeq ($(ON_DEBIAN13),yes)
windows-qt: $(DEPS_STAMP)
	@$(MAKE) --no-print-directory deps DEBIAN_PACKAGES="$(WINDOWS_PACKAGES)"
	@qt=$$(tools/windows/qt-prefix.sh); \
	if [ ! -f "$$qt/.complete" ]; then tools/windows/build-qt.sh "$$qt"; fi

windows: windows-qt
	TESSORIN_QT_WIN=$$(tools/windows/qt-prefix.sh) cmake --preset windows
	cmake --build --preset windows -j $(JOBS)
	cd $(WINDOWS_BUILD) && cpack --config CPackConfig.cmake

# The Windows build's tests under Wine, and the installer's end-to-end test.
test-windows: windows
	$(CTEST) $(WINDOWS_BUILD) --preset windows -j $(JOBS)
else
windows test-windows: debian13-root
	$(IN_DEBIAN13) make --no-print-directory $@ JOBS=$(JOBS)
	mkdir -p $(WINDOWS_BUILD)
	cp "$(DEBIAN13_ROOT)"/build/tessorin/$(WINDOWS_BUILD)/Tessorin-*-win64* $(WINDOWS_BUILD)/
	@ls -1 $(WINDOWS_BUILD)/Tessorin-*-win64*
endif

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench build-windows
