# Top-level entry points: `make play` and `make test` work from a fresh clone.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps configure build test play bench sanitize fuzz clean

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

# The whole test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang, in build-sanitize, which also holds
# the libFuzzer programs); the random-play test plays many more games there.
sanitize: deps
	@scripts/sanitize.sh

# Every libFuzzer program for FUZZ_SECONDS each (default 60), one after
# another, from the same build folder.
fuzz: deps
	@scripts/fuzz.sh $${FUZZ_SECONDS:-60}

clean:
	rm -rf $(BUILD_DIR) build-sanitize
