# SPDX-License-Identifier: GPL-3.0-or-later
# The two set-up commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
ARGS ?= --help

.PHONY: all deps configure build run test asan format format-check bench clean

all: build

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/cli/karvo-cli $(ARGS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKARVO_WITH_ASAN=ON
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-asan --output-on-failure -j $(JOBS)

format: configure
	cmake --build $(BUILD_DIR) --target format

format-check: configure
	cmake --build $(BUILD_DIR) --target format-check

bench: build
	bash bench/run-all

clean:
	rm -rf $(BUILD_DIR) build-asan
