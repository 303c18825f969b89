# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
SHELL := /bin/bash
NATIVE := build/native
WIN64 := build/win64
JOBS ?= $(shell nproc)

.PHONY: all deps build build-native build-win64 run test test-native test-win64 format clean

all: build

deps:
	@tools/install-deps.sh

build: deps build-native build-win64

build-native:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(NATIVE) -j $(JOBS)

build-win64:
	cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	      -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(WIN64) -j $(JOBS)

run: deps build-win64
	tools/wine-env.sh tools/run-kesto.sh

test: build test-native test-win64

test-native:
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

# Screenshots are worth most after a failure, so they are converted whatever ctest says.
test-win64:
	status=0; tools/wine-env.sh ctest --test-dir $(WIN64) --output-on-failure || status=$$?; \
	shopt -s nullglob; \
	for bmp in $(WIN64)/screenshots/*.bmp; do convert "$$bmp" "$${bmp%.bmp}.png"; done; \
	exit $$status

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build dist
