# make run    installs what is missing, builds, and starts the program
# make test   installs what is missing, builds, and runs every test headless
# make bench  installs what is missing, builds, and runs the benchmarks
# make fuzz   installs what is missing and runs each fuzzer for a minute (fuzz/run)
PRESET ?= release
BUILD  := build/$(PRESET)
JOBS   ?= $(shell nproc)

.PHONY: all deps build run test bench fuzz clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@$(BUILD)/src/app/polycryst

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

bench: build
	@$(BUILD)/bench/growth_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/window_bench

fuzz: deps
	@fuzz/run 60

clean:
	rm -rf build
