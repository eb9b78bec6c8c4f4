# Two commands: `make run` plays the game, `make test` runs every test. Both install what a
# fresh Debian 12 machine is missing first (as root, or through sudo).

BUILD_DIR    ?= build/release
ASAN_DIR     ?= build/asan
FUZZ_DIR     ?= build/fuzz
JOBS         ?= 2
FUZZ_SECONDS ?= 60

PACKAGES      := build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev fonts-dejavu-core \
                 libgl-dev xvfb xauth
FUZZ_PACKAGES := clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build deps asan fuzz fuzz-deps bench sim screenshot format clean

run: deps build
	./$(BUILD_DIR)/src/app/final-table-holdem

test: deps build asan
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen HOLDEM_SHORT=1 ctest --output-on-failure -j$(JOBS) -L sanitized

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DHOLDEM_WERROR=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The core, its tests and the simulator under AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DHOLDEM_WERROR=ON -DHOLDEM_SANITIZE=ON \
	  -DHOLDEM_BUILD_UI=OFF -DHOLDEM_BUILD_BENCH=OFF
	cmake --build $(ASAN_DIR) -j$(JOBS)

fuzz-deps:
	@missing=$$(for p in $(FUZZ_PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

# Each libFuzzer target for FUZZ_SECONDS, starting from the committed corpus.
fuzz: deps fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOLDEM_FUZZ=ON \
	  -DHOLDEM_BUILD_UI=OFF -DHOLDEM_BUILD_BENCH=OFF -DHOLDEM_BUILD_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j$(JOBS)
	tools/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: deps build
	./$(BUILD_DIR)/bench/holdem_bench

sim: deps build
	./$(BUILD_DIR)/src/sim/holdem-sim --hands 100000 --seed 1 --policy random

screenshot: deps build
	tools/screenshot $(BUILD_DIR) 1280x800 out/table-1280x800.png hand
	tools/screenshot $(BUILD_DIR) 1280x800 out/showdown-1280x800.png showdown
	tools/screenshot $(BUILD_DIR) 2560x1600 out/table-2560x1600.png hand
	tools/screenshot $(BUILD_DIR) 1280x800 out/hidpi-1280x800@2.png turn 2

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build out
