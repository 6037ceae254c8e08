# Two entry points for a fresh Debian machine: `make demo` and `make test`.
JOBS ?= 2

.PHONY: deps release debug demo test bench clean

deps:
	./scripts/install-deps

release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

debug: deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)

demo: release
	./build/release/kelvaro-cli demo --dir kelvaro-demo

test: debug
	ctest --preset debug -j $(JOBS)

bench: release
	@for b in build/release/bench/*_bench; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf build kelvaro-demo
