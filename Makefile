# The two commands of the README: `make run` and `make test`.
# `make test SANITIZE=1` builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer.
# `make fuzz FUZZ_SECONDS=N` builds the libFuzzer targets with Clang and runs each N seconds.
# `make bench` builds a Release build with the benchmarks and prints the performance table.
# `make package` builds the .deb into the build folder; `make install PREFIX=...` installs.

SANITIZE ?= 0
JOBS ?= $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
BUILD_TYPE ?= Debug
else
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
endif

FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
BENCH_DIR ?= build-bench

# CI treats warnings as errors.
WERROR := $(if $(CI),ON,OFF)

PREFIX ?= /usr/local

.PHONY: all bootstrap configure build run test fuzz bench package install screenshots clean

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DSILVERGRAIN_WERROR=$(WERROR) -DSILVERGRAIN_SANITIZE=$(if $(filter 1,$(SANITIZE)),ON,OFF) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/Sources/App/silvergrain

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The fuzz targets only: the core instrumented for libFuzzer, ASan and UBSan, no Qt.
fuzz:
	@scripts/bootstrap fuzz
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSILVERGRAIN_FUZZ=ON -DSILVERGRAIN_WERROR=$(WERROR) >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	Fuzz/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

bench:
	@scripts/bootstrap bench
	@cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DSILVERGRAIN_BENCHMARKS=ON -DSILVERGRAIN_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target benchmarks
	Benchmarks/performance-table $(BENCH_DIR)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

screenshots: build
	scripts/screenshots $(BUILD_DIR)

clean:
	rm -rf build build-sanitize $(FUZZ_DIR) $(BENCH_DIR)
