# make run   - install what is missing, build, start the program
# make test  - install what is missing, build, run every test (SANITIZE=1: with ASan and UBSan)
# make bench - build and run the benchmarks
# make fuzz  - build the libFuzzer targets with clang (not part of CI)

SANITIZE ?= 0
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD := build-asan
CMAKE_FLAGS := -DZV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

export CCACHE_DIR ?= $(HOME)/.cache/ccache

.PHONY: run test bench fuzz build bootstrap clean

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/Zavediz data/samples/HILLS.MPJ

test: build
	@scripts/run-tests $(BUILD)

bench: bootstrap
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@for b in $$(find build-bench/bench -maxdepth 3 -type f -executable -name 'bench_*'); do echo "== $$b"; $$b; done

fuzz:
	@scripts/bootstrap fuzz
	@cmake -S . -B build-fuzz -G Ninja -DZV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@echo "fuzz targets: $$(find build-fuzz/tests/fuzz -maxdepth 3 -type f -executable -name 'fuzz_*' | tr '\n' ' ')"

clean:
	rm -rf build build-asan build-bench build-fuzz
