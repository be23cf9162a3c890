# Ormyx: the two everyday commands are `make run` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
EXAMPLE ?= examples/us_soft_clay.inp

.PHONY: all build run test test-main test-asan bench validate clean

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
test: test-main test-asan

test-main: build
	cd $(BUILD) && ctest -j$(JOBS) --output-on-failure

test-asan:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORMYX_SANITIZE=ON -DORMYX_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest -j$(JOBS) --output-on-failure

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
	rm -rf $(BUILD) $(ASAN_BUILD) out
