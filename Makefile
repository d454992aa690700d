# make build: the program at build/kelvanor. make test: everything CI runs.
# make example: a whole run on the bundled example motifs.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
# make test builds with warnings as errors; a plain make build does not.
WERROR ?= OFF

.PHONY: build test example setup unit asan fuzz bench clean

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKELVANOR_WERROR=$(WERROR)
	cmake --build build -j$(JOBS)

setup:
	scripts/setup

test: setup
	@test -d "$${KELVANOR_MOTIF_DATA:-../shared/data/motifs}/jaspar2016_rsat" || { \
	  echo "make test: the shared motif collection is missing: ../shared/data/motifs beside" \
	       "the project (or KELVANOR_MOTIF_DATA) must hold it; the tests on real motifs need it." >&2; \
	  exit 1; }
	$(MAKE) unit WERROR=ON
	$(MAKE) asan WERROR=ON
	$(MAKE) fuzz WERROR=ON

unit: build
	cd build && ctest --output-on-failure -j$(JOBS)

asan:
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKELVANOR_SANITIZE=ON -DKELVANOR_WERROR=$(WERROR)
	cmake --build build-asan -j$(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j$(JOBS)

fuzz:
	CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVANOR_TESTS=OFF -DKELVANOR_FUZZ=ON -DKELVANOR_WERROR=$(WERROR)
	cmake --build build-fuzz -j$(JOBS) --target fuzz_readMotifBlocks fuzz_readDatabaseMotifs
	scripts/fuzz build-fuzz/tests/fuzz/fuzz_readMotifBlocks $(FUZZ_SECONDS)
	scripts/fuzz build-fuzz/tests/fuzz/fuzz_readDatabaseMotifs $$(( $(FUZZ_SECONDS) / 2 ))

bench:
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKELVANOR_TESTS=OFF -DKELVANOR_BENCH=ON
	cmake --build build-bench -j$(JOBS)

example: setup build
	scripts/run-example

clean:
	rm -rf build build-asan build-fuzz build-bench example/result
