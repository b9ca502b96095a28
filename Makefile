# The two commands of the README: `make run` and `make test`.
# `make test SANITIZE=1` builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer.
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

# CI treats warnings as errors.
WERROR := $(if $(CI),ON,OFF)

PREFIX ?= /usr/local

.PHONY: all bootstrap configure build run test package install screenshots clean

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

package: build
	cd $(BUILD_DIR) && cpack -G DEB

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

screenshots: build
	scripts/screenshots $(BUILD_DIR)

clean:
	rm -rf build build-sanitize
