# Everything a fresh Debian 12 machine needs, then the build, then the program or the tests.
BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

DEBIAN_PACKAGES := cmake g++ make pkg-config clang-format clang libclang-rt-14-dev \
	qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-webengine-dev libglib2.0-dev libxcb1-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	fonts-liberation2 xvfb xauth xdotool imagemagick \
	desktop-file-utils appstream librsvg2-bin dpkg-dev file lintian

.PHONY: all deps configure build run test test-sanitized fuzz package bench screenshots clean

all: build

deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing Debian packages:" $$missing; \
		$(SUDO) apt-get update -q && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/tessorin

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-sanitized fuzz

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# tree of its own; any report ends the test program that made it, so its test fails. The
# tests that load Qt WebEngine turn off only its new/delete size check (tests/CMakeLists.txt),
# and leaks inside system libraries are listed in tests/sanitizers/lsan.supp.
ASAN_BUILD ?= build-asan
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

test-sanitized: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 $(SANITIZE)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE)" \
		-DCMAKE_MODULE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The INI module under libFuzzer for FUZZ_SECONDS, from the seeds in tests/fuzz/corpus;
# a crash or a broken promise fails the run and leaves the input in $(FUZZ_BUILD)/tests/fuzz.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DTESSORIN_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSORIN_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure

# The Debian package, in $(BUILD).
package: build
	cd $(BUILD) && cpack --config CPackConfig.cmake

# Performance figures, printed side by side in one run (bench/run.sh): start-up against a
# bare Qt window, Search against an xdg-open loop, settings profiles. Never part of `test`.
BENCH_BUILD ?= build-bench
BENCH_RUNS ?= 15
BENCH_PACKAGES := libxcb1-dev libxcb-xtest0-dev xdg-utils

bench: deps
	@$(MAKE) --no-print-directory deps DEBIAN_PACKAGES="$(BENCH_PACKAGES)"
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTESSORIN_BUILD_BENCH=ON \
		-DTESSORIN_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	bench/run.sh $(BENCH_BUILD) $(BENCH_RUNS)

# The README's pictures, in docs/screenshots, from the program just built.
screenshots: build
	tools/screenshots.sh $(BUILD)/bin/tessorin docs/screenshots

clean:
	rm -rf $(BUILD)
