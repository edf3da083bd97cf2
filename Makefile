# Vardello: `make run` starts the program, `make test` runs every test.
# Both first install the Debian packages the build needs (only the missing ones).
# `make bench` builds and runs the benchmarks (tariffs, pay count, yearly
# documents, start-up and backup), each printing its figures.
# `make test SANITIZE=1` builds and runs the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitize); `make fuzz` fuzzes every
# file reader for FUZZ_SECONDS seconds each (clang, in build-fuzz).

SANITIZE ?= 0
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDELLO_SANITIZE=ON
TEST_ENV = ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
TEST_ENV =
endif
JOBS ?= $(shell nproc 2>/dev/null || echo 4)
FUZZ_SECONDS ?= 20

.PHONY: all deps configure build run test bench fuzz clean

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
	cd $(BUILD_DIR) && $(TEST_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel $(JOBS)

bench: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target bench
	-cd $(BUILD_DIR) && ./bench_impostafonte
	-cd $(BUILD_DIR) && ./bench_conteggio --dettaglio
	-cd $(BUILD_DIR) && ./bench_documenti
	-cd $(BUILD_DIR) && ./bench_avvio

fuzz:
	@bash scripts/install-deps --fuzz
	@bash scripts/install-deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVARDELLO_FUZZ=ON > /dev/null
	@cmake --build build-fuzz --parallel $(JOBS) --target vardello_fuzz
	@bash scripts/fuzz build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-sanitize build-fuzz
