# Set-up and everyday commands. Every target installs what it needs first.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

DEB_OUT    ?= build-deb

.PHONY: all deps build run test test-share test-layers test-normal test-asan test-fuzz test-package fuzz-build bench install fuzz deb clean

all: build

deps:
	@scripts/install-deps

# The everyday build is the one a packager makes: Release and nothing else.
# `make test` builds it from clean in CI and fails on any warning it prints.
$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-quindor $(BUILD)

test: deps test-share test-layers test-normal test-asan test-fuzz test-package

# Tests stay at a quarter to a third of the code.
test-share:
	@scripts/check-test-share

# The core's folders include only downwards.
test-layers:
	@scripts/check-layers

test-normal: deps $(BUILD)/CMakeCache.txt
	@scripts/build-warning-free $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# One clang build serves three stages: every test under AddressSanitizer and
# UndefinedBehaviorSanitizer, the replay of the fuzz corpora (libFuzzer needs
# clang), and clang's warnings over the whole tree. See FUZZING.md.
$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINDOR_FUZZ=ON -DQUINDOR_SANITIZE=ON -DQUINDOR_BENCH=OFF -DQUINDOR_WERROR=ON

fuzz-build: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

test-asan: fuzz-build
	cd $(FUZZ_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  ctest --output-on-failure -LE fuzz -j $(JOBS)

test-fuzz: fuzz-build
	cd $(FUZZ_BUILD) && ctest --output-on-failure -L fuzz -j $(JOBS)

fuzz: fuzz-build
	@fuzz/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Debian package, built from the working tree as a packager would: its
# own build runs the test suite, from the package's build folder.
deb: deps
	@scripts/build-deb $(DEB_OUT)

# The same build as `make deb`, tests and all, so that a test that only
# passes in our own build folder fails here first.
test-package: deps test-normal
	@scripts/build-deb $(DEB_OUT)
	@scripts/check-package $(DEB_OUT) $(BUILD)

bench: build
	@for b in $(BUILD)/bench/quindor_bench*; do [ -x "$$b" ] && "$$b"; done

PREFIX ?= /usr/local

# The prefix is set at configure time: the program looks for its lists there.
install: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS)
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(DEB_OUT)
