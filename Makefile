# The README's two commands, run, test, each do everything from a fresh clone.
.PHONY: run test test-asan memcheck bench bench-web web build-web package test-package deps build build-release clean

# Each command installs what it needs and no more: the game, the page, or
# everything the tests and benchmarks use.
deps:
	bash scripts/install-deps test

build: deps
	cmake --preset dev
	cmake --build --preset dev

build-release: deps
	cmake --preset release
	cmake --build --preset release

# The optimised game alone: the quickest way from a fresh clone to the window.
run:
	bash scripts/install-deps run
	cmake --preset release
	cmake --build --preset release --target velmo
	./build/release/src/velmo

# The page: the same game in WebAssembly, served on this machine until Ctrl+C.
web: build-web
	/usr/bin/python3 scripts/serve_web.py build/web

build-web:
	bash scripts/install-deps web
	emcmake cmake --preset web
	cmake --build --preset web

test: build
	ctest --preset dev

# The whole test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# One scripted headless game under valgrind: no error, nothing definitely lost.
memcheck: build
	ctest --preset dev -R '^memcheck$$'

# Speed of the generators, handlers and whole games; a soak of 10,000 games;
# the real window against a bare Qt window under Xvfb and on weston; the page.
bench: build-release build-web
	bash scripts/install-deps bench
	./build/release/bench/velmo_bench
	./build/release/bench/velmo_soak
	bench/window-bench build/release
	bench/wayland-bench build/release
	bench/web-bench build/web build/web-build build/release

# The page in headless Chromium: its size, its first frame beside a static
# page, clicks to frames (in Firefox too), and a whole game beside the native
# build; then the desktop's clicks to frames, timed the same way.
bench-web: build-release build-web
	bash scripts/install-deps bench
	bench/web-bench build/web build/web-build build/release
	CLICKS=1 bench/window-bench build/release

clean:
	rm -rf build

# A .deb of the release build, in build/release.
package: build-release
	cd build/release && cpack

# Installs that .deb into this system, starts the installed game under Xvfb and
# sees its window, then removes it again (CI runs this as root).
test-package: package build
	bash scripts/test-package
