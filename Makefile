# Two commands: `make run` plays the game, `make test` runs every test. Both install what a
# fresh Debian 12 machine is missing first (as root, or through sudo). The build settings live
# in CMakePresets.json; this file only strings the steps together.

JOBS         ?= $(shell nproc)
FUZZ_SECONDS ?= 60
PREFIX       ?= /usr/local

PACKAGES      := build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev \
                 qt6-multimedia-dev qt6-qpa-plugins nlohmann-json3-dev fonts-dejavu-core libgl-dev \
                 xvfb xauth desktop-file-utils appstream dpkg-dev file lintian \
                 libsqlite3-dev sqlite3 qt6-charts-dev shared-mime-info qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
FUZZ_PACKAGES := clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build deps asan install package fuzz fuzz-deps bench sim screenshot format clean

run: deps build
	./build/release/src/app/final-table-holdem

test: deps build asan
	ctest --preset release -j$(JOBS)
	ctest --preset asan -j$(JOBS)

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build:
	cmake --preset release
	cmake --build --preset release -j$(JOBS)

# Everything but the benchmarks under AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	cmake --preset asan
	cmake --build --preset asan -j$(JOBS)

# The game, its desktop entry, icons, metadata and licences under PREFIX.
install: deps build
	cmake --install build/release --prefix $(PREFIX)

# A Debian package of the same files, its dependencies read from the binary.
package: deps build
	cd build/release && cpack -G DEB
	@ls build/release/*.deb

fuzz-deps:
	@missing=$$(for p in $(FUZZ_PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

# Each libFuzzer target for FUZZ_SECONDS, starting from the committed corpus.
fuzz: deps fuzz-deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j$(JOBS)
	tools/fuzz.sh build/fuzz $(FUZZ_SECONDS)

bench: deps build
	./build/release/bench/holdem_bench

sim: deps build
	./build/release/src/sim/holdem-sim --hands 100000 --seed 1 --policy random

screenshot: deps build
	tools/screenshot build/release 1280x800 out/table-1280x800.png hand
	tools/screenshot build/release 1280x800 out/showdown-1280x800.png showdown
	tools/screenshot build/release 2560x1600 out/table-2560x1600.png hand
	tools/screenshot build/release 1280x800 out/hidpi-1280x800@2.png turn 2

format:
	find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build out
