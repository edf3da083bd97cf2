# Vardello: `make run` starts the program, `make test` runs every test.
# Both first install the Debian packages the build needs (only the missing ones).

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 4)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	cd $(BUILD_DIR) && ./vardello

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel $(JOBS)

bench: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target bench

clean:
	rm -rf $(BUILD_DIR)
