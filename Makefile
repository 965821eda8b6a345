# Top-level entry points: `make play` and `make test` work from a fresh clone.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps configure build test play bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

play: build
	@scripts/play.sh $(BUILD_DIR)

bench: build
	@cmake --build $(BUILD_DIR) --target benchmarks

clean:
	rm -rf $(BUILD_DIR)
