# The two commands: `make run` and `make test`. Both set up a fresh machine first.
BUILD_DIR ?= build
export BUILD_DIR := $(abspath $(BUILD_DIR))
CMAKE_FLAGS ?=

.PHONY: all setup configure build run test bench clean

all: build

setup:
	@bash scripts/bootstrap.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(CMAKE_FLAGS) >/dev/null

# Builds are serialised machine-wide: the machine has two cores.
build: configure
	@flock /tmp/lumenkit-build.lock cmake --build $(BUILD_DIR) --target all

run: build
	@bash scripts/run.sh

test: build
	@bash scripts/test.sh

bench: build
	@bash scripts/bench.sh

clean:
	rm -rf $(BUILD_DIR)/CMakeFiles $(BUILD_DIR)/dist $(BUILD_DIR)/tests
