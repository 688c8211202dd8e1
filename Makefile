# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up commands of the README: `make run` (the desktop program), `make cli ARGS=...` (karvo-cli),
# `make test` and `make install PREFIX=...`. Each installs what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
ARGS ?= --help
FILES ?=
PREFIX ?= /usr/local

.PHONY: all deps configure build run cli install test asan format format-check bench clean

all: build

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The desktop program; `make run FILES="a.mov b.png"` opens files with it.
run: build
	$(BUILD_DIR)/src/app/karvo $(FILES)

cli: build
	$(BUILD_DIR)/src/cli/karvo-cli $(ARGS)

# karvo, karvo-cli, the desktop entry and the icons under PREFIX (through sudo when PREFIX is not writable).
install: build
	@if [ -w "$(PREFIX)" ] || { [ ! -e "$(PREFIX)" ] && [ -w "$$(dirname "$(PREFIX)")" ]; } || [ "$$(id -u)" -eq 0 ]; then \
		cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"; \
	else \
		sudo cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"; \
	fi

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
