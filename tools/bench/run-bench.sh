#!/usr/bin/env bash
# Runs the bench on the built program; `make bench` calls it through tools/wine-env.sh.
# Usage: run-bench.sh BENCH_BUILD_FOLDER RUN_FOLDER SCRATCH_FOLDER [ROUNDS]
set -euo pipefail

if [ -z "${WINEPREFIX:-}" ] || [ $# -lt 3 ]; then
    echo "usage: tools/wine-env.sh $0 BENCH_BUILD_FOLDER RUN_FOLDER SCRATCH_FOLDER [ROUNDS]" >&2
    exit 2
fi
bench_build="$(realpath -m "$1")"
run_folder="$(realpath -m "$2")"
scratch="$(realpath -m "$3")"

cpu="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "Machine: $(nproc) processors, ${cpu:-unknown CPU}, $(wine --version)"
echo
wine "$bench_build/kesto-bench.exe" "$(winepath -w "$run_folder")" "$(winepath -w "$scratch")" \
     "${@:4}"
