# Everything a fresh Debian 12 machine needs, then the build, then the program or the tests.
BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

DEBIAN_PACKAGES := cmake g++ make pkg-config clang-format \
	qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libglib2.0-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	fonts-liberation2 xvfb xauth xdotool

.PHONY: all deps configure build run test clean

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

clean:
	rm -rf $(BUILD)
