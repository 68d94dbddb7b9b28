# Two entry points: `make run` and `make test`. Both first make sure the
# Debian packages are there, then configure and build with CMake.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clean test-asan fuzz

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)/app/Settings $(BUILD_DIR)/screenshot.png

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer, UndefinedBehaviorSanitizer
# and leak checking; any report fails the test that caused it. The variables
# reach the programs that the real-window scripts start, too.
ASAN_DIR ?= build-asan
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DSETUP_SANITIZE=ON
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# libFuzzer on the rich-text reader and the JPEG loader, FUZZ_SECONDS each.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz: deps
	@bash scripts/install-deps.sh clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DSETUP_FUZZ=ON
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_richtextreader fuzz_jpegloader
	@bash tests/fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	@rm -rf $(BUILD_DIR)

# The Debian package, from a Release build of only what it installs.
PACKAGE_DIR ?= build-package
.PHONY: package

package: deps
	@bash scripts/install-deps.sh dpkg-dev
	@cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release
	@cmake --build $(PACKAGE_DIR) -j $(JOBS) --target Settings setup_icons
	@cd $(PACKAGE_DIR) && cpack -G DEB

# Speed and memory, each beside a floor measured in the same run; prints a
# table and writes $(BENCH_JSON). Timed, so never part of make test.
BENCH_DIR ?= build-bench
BENCH_JSON ?= build/bench.json
.PHONY: bench

bench: deps
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DSETUP_BENCH=ON
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target setup_bench bench_minimal_window bench_settings_window
	@bash bench/run.sh $(BENCH_DIR) $(BENCH_JSON)
