# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
SHELL := /bin/bash
NATIVE := build/native
WIN64 := build/win64
JOBS ?= $(shell nproc)
BENCH := build/bench
RELEASE := build/release

.PHONY: all deps build build-native build-win64 run test test-native test-win64 test-release format \
        clean fuzz bench release source-date-epoch

# The time the files in the release's zip carry: the last commit's, so that every build of a
# commit gives the same bytes. Outside a git checkout, 1980-01-01, the first day a zip can hold.
ifndef SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct 2>/dev/null || echo 315532800)
endif
# Kept from the compiler and the linker (which would write it into kesto.exe's header), so that
# the reproducibility check, which sets it, builds the program just as a plain `make release`.
unexport SOURCE_DATE_EPOCH

all: build

deps:
	@tools/install-deps.sh

build: deps build-native build-win64

# A tree is configured when it is new or this file changed; later builds configure again only
# when a CMakeLists.txt changed, which cmake --build sees by itself.
$(NATIVE)/CMakeCache.txt: Makefile
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null

$(WIN64)/CMakeCache.txt: Makefile
	cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	      -DCMAKE_BUILD_TYPE=Release >/dev/null

build-native: deps $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

build-win64: deps $(WIN64)/CMakeCache.txt
	cmake --build $(WIN64) -j $(JOBS)

run: deps build-win64
	tools/wine-env.sh tools/run-kesto.sh

test: build test-native test-win64 test-release

test-native: build-native
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

# Screenshots are worth most after a failure, so they are converted whatever ctest says.
# Wine under load now and then fails to start a process (CreateProcess gives ERROR_INTERNAL_ERROR,
# the program shows "File or command not found"): an entry that fails runs once more, and its
# first failure stays in the output.
test-win64: build-win64
	status=0; tools/wine-env.sh ctest --test-dir $(WIN64) --output-on-failure -j $(JOBS) \
		--repeat until-pass:2 || status=$$?; \
	shopt -s nullglob; \
	for bmp in $(WIN64)/screenshots/*.bmp; do convert "$$bmp" "$${bmp%.bmp}.png"; done; \
	exit $$status

# A release built from a copy of the sources elsewhere must give the bytes of the tested build.
test-release: deps build-win64
	JOBS=$(JOBS) tools/check-reproducible.sh $(WIN64)

# The libFuzzer targets, built with clang and run for FUZZ_SECONDS each (60 unless told). What
# they learn stays in build/fuzz/corpus, what they find goes to build/fuzz/findings.
fuzz: deps
	cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	      -DKESTO_FUZZ=ON >/dev/null
	cmake --build build/fuzz -j $(JOBS) --target kesto_fuzzers
	mkdir -p build/fuzz/findings; \
	for source in tests/fuzz/fuzz_*.cpp; do \
	  name=$$(basename $$source .cpp); mkdir -p build/fuzz/corpus/$$name; \
	  build/fuzz/tests/fuzz/$$name -max_total_time=$(or $(FUZZ_SECONDS),60) \
	    -artifact_prefix=build/fuzz/findings/ -seed_inputs=$$(ls tests/fuzz/$$name*.seed | paste -sd,) \
	    build/fuzz/corpus/$$name >build/fuzz/$$name.log 2>&1 || { tail -40 build/fuzz/$$name.log; exit 1; }; \
	  echo "$$name: $$(grep -h '^Done' build/fuzz/$$name.log)"; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build dist

# Performance figures of the built program under Wine, printed as a table (see README.md);
# ROUNDS=n for fewer or more than its 7 rounds.
bench: deps build-win64
	cmake -S tools/bench -B $(BENCH) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	      -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BENCH) --target kesto-bench baseline-window -j $(JOBS)
	tools/wine-env.sh tools/bench/run-bench.sh $(BENCH) $(WIN64)/run $(BENCH)/scratch $(ROUNDS)

# dist/kesto-VERSION-win64.zip with kesto.exe and help.htm only, its SHA-256 beside it, built
# so that anyone who builds the same commit gets the same bytes (tools/package-release.sh).
release: deps
	cmake -S . -B $(RELEASE) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	      -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
	cmake --build $(RELEASE) --target kesto -j $(JOBS)
	SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) tools/package-release.sh $(RELEASE) dist | sed 's|^$(CURDIR)/||'

# What the release's zip takes its files' time from (tools/check-reproducible.sh asks).
source-date-epoch:
	@echo $(SOURCE_DATE_EPOCH)
