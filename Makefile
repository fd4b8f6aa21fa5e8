# Vaultry: two build trees (native Linux for the portable core, MinGW-w64 for the
# Windows program) driven from here. `make run` and `make test` install what they need.

BUILD      ?= build
NATIVE     := $(BUILD)/native
WINDOWS    := $(BUILD)/windows
FUZZ       := $(BUILD)/fuzz
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
FUZZ_SECS  ?= 60

export WINEPREFIX := $(abspath $(BUILD))/wineprefix
export WINEDEBUG  := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: all deps native windows fuzz-build fuzz-seeds test check-layers check-format lint test-native test-windows \
        fuzz-smoke bench bench-windows fuzz run screenshot clean dist verify-dist test-dist install

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

# The libFuzzer targets need clang: a tree of their own.
$(FUZZ)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAULTRY_FUZZ=ON

fuzz-build: deps $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j $(JOBS)

test: check-layers check-format test-native test-windows test-dist fuzz-smoke
	@echo "All native and Windows tests, the release's install test and the fuzzing smoke run passed."

# No include goes against the layers of src/ (the script's own test first).
check-layers:
	@tools/check-layers.sh --self-test
	@tools/check-layers.sh

# Every C++ source formatted as .clang-format says.
check-format: deps
	@tools/check-format.sh

# clang-tidy's bug-finding checks (.clang-tidy) over the sources of what ships.
lint: native
	run-clang-tidy -p $(NATIVE) -j $(JOBS) -quiet '$(CURDIR)/src/'

test-native: native
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

# tools/with-display.sh sets the prefix up first and keeps one Wine server for
# the whole run.
test-windows: windows
	tools/with-display.sh sh -c 'cd $(WINDOWS) && ctest --output-on-failure'

# The release in dist/: the portable zip, the setup program and SHA256SUMS, built
# afresh so that anyone can rebuild the same bytes; verify-dist builds it twice
# from clean clones and compares.
dist: deps
	tools/make-dist.sh $(BUILD)/dist dist

verify-dist: deps
	tools/verify-dist.sh

# The release installed and uninstalled under Wine, in a fresh prefix of its own.
test-dist: dist
	WINEPREFIX=$(abspath $(BUILD))/dist-test/prefix tools/with-display.sh --own-prefix tests/dist/test-install.sh dist

# The native vaultry-cli, its man page and its bash completion under PREFIX
# (DESTDIR in front, for packaging).
install: native
	DESTDIR="$(DESTDIR)" cmake --install $(NATIVE) --prefix "$(PREFIX)"

bench: native bench-windows
	$(NATIVE)/bench/vaultry-bench
	$(NATIVE)/bench/vaultry-cli-bench
	$(NATIVE)/bench/vaultry-cli-merge-bench
	$(NATIVE)/bench/vaultry-breach-bench

# The entries view with the largest database, under Wine: prints its figures.
bench-windows: windows
	tools/with-display.sh tools/wine-run.sh $(WINDOWS)/bench/vaultry-view-bench.exe

# A bounded libFuzzer run over the database reader, starting from freshly written
# seed files and from what earlier runs found (kept in $(FUZZ)/corpus). Inputs
# that fail are saved in $(FUZZ)/artifacts.
FUZZ_RUN = $(FUZZ)/fuzz/fuzz-database -timeout=10 -malloc_limit_mb=64 -dict=fuzz/database.dict \
           -artifact_prefix=$(FUZZ)/artifacts/

fuzz-seeds: fuzz-build
	rm -rf $(FUZZ)/seeds
	mkdir -p $(FUZZ)/seeds $(FUZZ)/corpus $(FUZZ)/artifacts
	$(FUZZ)/fuzz/fuzz-seeds $(FUZZ)/seeds

fuzz: fuzz-seeds
	$(FUZZ_RUN) -max_total_time=$(FUZZ_SECS) $(FUZZ)/corpus $(FUZZ)/seeds

# The few seconds of fuzzing that `make test` includes; its log is shown on failure.
fuzz-smoke: fuzz-seeds
	@$(FUZZ_RUN) -max_total_time=5 $(FUZZ)/corpus $(FUZZ)/seeds >$(FUZZ)/fuzz-smoke.log 2>&1 \
	    || { cat $(FUZZ)/fuzz-smoke.log; exit 1; }
	@tail -n 1 $(FUZZ)/fuzz-smoke.log

run: windows
	tools/run-program.sh $(WINDOWS)/src/app/Vaultry.exe

# docs/screenshot.png, made by the program over a sample database of its own.
screenshot: windows
	tools/make-screenshot.sh $(WINDOWS) $(BUILD)/screenshot docs/screenshot.png

# A Wine server outlives its deleted prefix: each prefix's server is ended first.
clean:
	@for p in $(WINEPREFIX) $(BUILD)/dist-test/prefix $(BUILD)/screenshot/prefix; do \
	    [ ! -d "$$p" ] || WINEPREFIX="$$(cd "$$p" && pwd)" wineserver -k 2>/dev/null || true; \
	done
	rm -rf $(BUILD) dist
