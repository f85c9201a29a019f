# The two commands of the README: each does everything from a fresh clone.
.PHONY: run test bench deps build build-release clean

deps:
	bash scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev

build-release: deps
	cmake --preset release
	cmake --build --preset release

run: build
	./build/dev/src/velmo

test: build
	ctest --preset dev

bench: build-release
	./build/release/bench/velmo_bench

clean:
	rm -rf build
