# Vaultry: two build trees (native Linux for the portable core, MinGW-w64 for the
# Windows program) driven from here. `make run` and `make test` install what they need.

BUILD      ?= build
NATIVE     := $(BUILD)/native
WINDOWS    := $(BUILD)/windows
JOBS       ?= $(shell nproc)
FUZZ_SECS  ?= 60

export WINEPREFIX := $(abspath $(BUILD))/wineprefix
export WINEDEBUG  := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: all deps native windows test test-native test-windows bench fuzz run clean

all: native windows

deps:
	@tools/install-deps.sh

$(NATIVE)/build.ninja:
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(WINDOWS)/build.ninja:
	cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake

native: deps $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS)

windows: deps $(WINDOWS)/build.ninja
	cmake --build $(WINDOWS) -j $(JOBS)

test: test-native test-windows
	@echo "All native and Windows tests passed."

test-native: native
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

test-windows: windows
	tools/with-display.sh sh -c 'cd $(WINDOWS) && ctest --output-on-failure'

bench: native
	$(NATIVE)/bench/vaultry-bench

fuzz: native
	$(NATIVE)/fuzz/fuzz-database -max_total_time=$(FUZZ_SECS) \
	    $(NATIVE)/fuzz/corpus-work fuzz/corpus

run: windows
	tools/run-program.sh $(WINDOWS)/src/app/Vaultry.exe

clean:
	rm -rf $(BUILD)
