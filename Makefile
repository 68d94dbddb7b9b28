# Two entry points: `make run` and `make test`. Both first make sure the
# Debian packages are there, then configure and build with CMake.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clean

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
