# Entry points: `make test` sets up, builds and runs every test; `make run` starts the suite.
SHELL := /bin/bash
CMAKE_GEN := -G Ninja

.PHONY: all setup native win32 win64 dist test run bench clean

all: dist

setup:
	@tools/setup.sh

native: setup
	@cmake -S . -B build/native $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DWITH_SANITIZERS=ON >/dev/null
	@cmake --build build/native

# The shipped programs: 32-bit Windows.
win32: setup
	@cmake -S . -B build/win32 $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	@cmake --build build/win32

# The same sources as 64-bit programs, for machines whose Wine cannot run 32-bit code.
win64: setup
	@cmake -S . -B build/win64 $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
	@cmake --build build/win64

dist: win32 native
	@rm -rf dist
	@cmake --install build/win32 --prefix dist >/dev/null
	@build/native/bin/skingen resources/skins dist/skins
	@tools/build-manual.sh dist/skins "dist/User Manual.pdf"
	@echo "program folder: dist/"

test: setup
	@tools/run-tests.sh

bench: setup
	@tools/run-bench.sh

run: dist
	@tools/run-suite.sh

clean:
	rm -rf build dist
