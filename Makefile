# Ormyx: the two everyday commands are `make run` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
EXAMPLE ?= examples/us_soft_clay.inp

FUZZ_BUILD ?= build-fuzz
FUZZ_TIME ?= 600
FUZZ_CXX ?= clang++-14

.PHONY: all build run test test-main test-asan test-fuzz fuzz fuzz-build bench validate clean

all: build

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# Build only the ormyx command and its engine, then analyse an example input;
# the report goes to out/.
run:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS) --target ormyx_cli
	mkdir -p out
	$(BUILD)/ormyx $(EXAMPLE) --out out

# Build and pass every test, then the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer (any report fails the test that caused it).
test: test-main test-asan test-fuzz

test-main: build
	cd $(BUILD) && ctest -j$(JOBS) --output-on-failure

test-asan:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORMYX_SANITIZE=ON -DORMYX_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest -j$(JOBS) --output-on-failure

# Fuzz whole engine runs with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) for FUZZ_TIME seconds, from the seed corpus of
# examples/, tests/data/ and the inputs written into the tests. New inputs
# gather in $(FUZZ_BUILD)/corpus; crashes, slow runs (over 10 s) and memory
# faults land in $(FUZZ_BUILD)/artifacts and stop the run.
fuzz-build:
	@command -v $(FUZZ_CXX) >/dev/null || { echo "fuzzing needs $(FUZZ_CXX) (Debian packages clang-14 and libclang-rt-14-dev)"; exit 1; }
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) \
	  -DORMYX_FUZZ=ON -DORMYX_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target ormyx_fuzz
	python3 tests/fuzz/make_corpus.py . $(FUZZ_BUILD)/corpus
	mkdir -p $(FUZZ_BUILD)/artifacts

# Leak checks stay off: the run-wide state is a block of mapped pages, which
# LeakSanitizer does not search for pointers, so the buffers the last run left
# in it would be reported as leaks at exit.
FUZZ_RUN = cd $(FUZZ_BUILD) && ./tests/fuzz/ormyx_fuzz -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 \
	  -dict=$(CURDIR)/tests/fuzz/ormyx.dict -print_final_stats=1 -artifact_prefix=$(abspath $(FUZZ_BUILD))/artifacts/

fuzz: fuzz-build
	$(FUZZ_RUN) -max_total_time=$(FUZZ_TIME) corpus

# The short bounded fuzz run of make test: one minute at most, on a copy of
# the seed corpus so that the run is the same from one checkout to the next.
test-fuzz: fuzz-build
	rm -rf $(FUZZ_BUILD)/ci-corpus && mkdir -p $(FUZZ_BUILD)/ci-corpus
	python3 tests/fuzz/make_corpus.py . $(FUZZ_BUILD)/ci-corpus
	$(FUZZ_RUN) -max_total_time=60 -runs=20000 -seed=1 ci-corpus

# Build the command-line engine, then compare its figures with closed forms
# and published formulas; the page docs/validation.md is rewritten.
validate:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS) --target ormyx_cli
	python3 tools/validate.py --ormyx $(BUILD)/ormyx --write docs/validation.md

# Release benchmarks (Google Benchmark) in build-rel, then whole-process
# timings with hyperfine: the example run, the heaviest problem, a batch of
# 1000 small inputs (docs/performance.md).
BENCH_BUILD ?= build-rel
bench:
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DORMYX_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target ormyx_cli \
	  $(patsubst bench/%.cpp,%,$(wildcard bench/*_bench.cpp))
	for b in $(BENCH_BUILD)/bench/*_bench; do $$b || exit 1; done
	bench/whole_process.sh $(BENCH_BUILD)/ormyx

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) out
