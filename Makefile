# Two entry points for a fresh Debian machine: `make demo` and `make test`.
JOBS ?= 2
PREFIX ?= /usr/local
# Seconds each fuzz target runs under `make fuzz`.
FUZZ_SECONDS ?= 600

.PHONY: deps release debug asan demo test test-asan bench fuzz fuzz-build install clean

deps:
	./scripts/install-deps

# The program alone, without tests or benchmarks.
release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

debug: deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

demo: release
	./build/release/kelvaro-cli demo --dir kelvaro-demo
	@echo "Start the desktop program on the demo folder: ./build/release/kelvaro --dir kelvaro-demo/daily"

test: debug
	ctest --preset debug -j $(JOBS)

# The test suite under AddressSanitizer and UndefinedBehaviorSanitizer. The Python module is left
# out of it (the asan preset turns KELVARO_BUILD_PYTHON off): the interpreter does not load the
# sanitizers' runtime first.
test-asan: asan
	ctest --preset asan -j $(JOBS)

bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	@for b in build/bench/bench/*_bench; do [ -x "$$b" ] && "$$b"; done
	./bench/study-area-run build/bench/kelvaro-cli
	@if [ -d build/bench/python/kelvaro ]; then \
	  PYTHONPATH=build/bench/python ./bench/eto-numpy build/bench/kelvaro-cli; fi

fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

# Runs every fuzz target for FUZZ_SECONDS on its committed seeds.
fuzz: fuzz-build
	./scripts/run-fuzzers build/fuzz/fuzz $(FUZZ_SECONDS)

install: release
	cmake --install build/release --prefix "$(PREFIX)"

clean:
	rm -rf build kelvaro-demo
