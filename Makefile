# Front door over CMake: `make run` and `make test` are all a new user needs.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-asan fuzz mutation bench screenshots package format lint clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The program alone: the tests, benchmarks and manual page wait for `make test`.
run: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target vendrix
	@./$(BUILD_DIR)/vendrix

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Core tests under AddressSanitizer and UndefinedBehaviorSanitizer (no Qt needed).
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVENDRIX_SANITIZE=ON \
		-DVENDRIX_CORE_ONLY=ON >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS)

# libFuzzer targets (clang, with the sanitizers): each runs over its regression
# corpus, then FUZZ_SECONDS seconds from its seeds (make fuzz FUZZ_SECONDS=3600).
fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
		-DVENDRIX_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@./tests/fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)
# Mutation testing of the core against the core tests (tens of minutes; not in
# CI): a sample of MUTATION_COUNT mutants drawn with MUTATION_SEED, built in
# build-mutation; the table and the survivors are written there too.
MUTATION_SEED ?= 1
MUTATION_COUNT ?= 300
mutation:
	@nice -n 19 python3 tests/mutation/mutate.py --seed $(MUTATION_SEED) --count $(MUTATION_COUNT)

# A Debian package in the build folder: sudo apt-get install ./build/vendrix_*.deb
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

bench: build
	@./$(BUILD_DIR)/bench/vendrix_bench

# Writes every picture the README shows into docs/screenshots (no display needed).
screenshots: build
	@QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tests/vendrix_screenshots docs/screenshots

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The format check and clang-tidy's small set (.clang-tidy) over the program's
# sources; tidy reads the build's compile_commands.json and generated files.
lint: build
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@git ls-files 'src/*.cpp' | xargs -P $(JOBS) -n 8 clang-tidy -p $(BUILD_DIR) --quiet \
		--extra-arg=-Wno-unknown-warning-option 2>/dev/null

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
