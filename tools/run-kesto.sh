#!/usr/bin/env bash
# Runs the built program from its run folder; `make run` calls it through tools/wine-env.sh.
# With a real display the user works with it until closing it. On the private Xvfb nobody can
# see it, so it is shown once as a screenshot and closed again.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
run_dir="$root/build/win64/run"
driver="$root/build/win64/tools/ui-driver.exe"
screenshot="$root/build/screenshots/run.png"

if [ -z "${WINEPREFIX:-}" ]; then
    echo "run-kesto: start me through tools/wine-env.sh" >&2
    exit 2
fi
if [ ! -f "$run_dir/kesto.exe" ]; then
    echo "run-kesto: $run_dir/kesto.exe is missing; run make build-win64 first" >&2
    exit 1
fi
cd "$run_dir"

if [ -z "${KESTO_HEADLESS:-}" ]; then
    wine kesto.exe
    exit 0
fi

wine kesto.exe &
program=$!
status=0
if wine "$driver" wait-window Tarvel 60; then
    # Shown is not yet painted.
    sleep 1
    mkdir -p "$(dirname "$screenshot")"
    import -window root "$screenshot"
    echo "Screenshot of the running program: $screenshot"
else
    echo "run-kesto: the window Tarvel did not appear" >&2
    status=1
fi
wine "$driver" close-window Tarvel || true
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
wineserver -k 2>/dev/null || true
wait "$program" 2>/dev/null || true
exit $status
