#!/usr/bin/env bash
# Runs a command in the project's own Wine prefix, with the Chinese ANSI code page the program
# expects (or the locale KESTO_WINE_LOCALE names) and a CJK font, on a private Xvfb when there is
# no display. Leaves nothing running.
# Usage: [KESTO_WINE_LOCALE=en_US.UTF-8] [KESTO_WINE_DPI=144] tools/wine-env.sh COMMAND [ARGS...];
# exits with the command's status.
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Wine takes the code pages from the locale: zh_CN gives ANSI and OEM 936, en_US 1252 and 437,
# ru_RU 1251 and 866. Each locale has a prefix of its own, and so drive letters of its own.
locale="${KESTO_WINE_LOCALE:-zh_CN.UTF-8}"
if [ "$locale" = zh_CN.UTF-8 ]; then
    export WINEPREFIX="$root/build/wineprefix"
else
    export WINEPREFIX="$root/build/wineprefix-${locale%%.*}"
fi
# The screens' density, 96 dots per inch unless told; another has a prefix of its own too.
dpi="${KESTO_WINE_DPI:-96}"
[ "$dpi" = 96 ] || WINEPREFIX="$WINEPREFIX-${dpi}dpi"
export WINEDEBUG=-all
export LC_ALL="$locale"
# Keeps wineboot from offering to install Mono and Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
xvfb_out=""

# shellcheck disable=SC2317  # reached through the trap below
stop_all() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    [ -z "$xvfb_out" ] || rm -f "$xvfb_out"
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb picks a free display number itself and reports it once it accepts connections.
start_xvfb() {
    xvfb_out="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_out" 2>/dev/null &
    xvfb_pid=$!
    local tries=0
    until [ -s "$xvfb_out" ]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $tries -ge 100 ]; then
            echo "wine-env: Xvfb did not start" >&2
            exit 1
        fi
        sleep 0.1
        tries=$((tries + 1))
    done
    DISPLAY=":$(head -n 1 "$xvfb_out")"
    export DISPLAY KESTO_HEADLESS=1
}

windows_path() {
    local path="$1"
    echo "Z:${path//\//\\}"
}

# Several runs may start at once; only one builds the prefix, the others wait for it.
make_prefix() {
    local stamp="$WINEPREFIX/.kesto-ready"
    mkdir -p "$root/build"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -e "$stamp" ]; then
        # A prefix without the stamp is a half-built one from an interrupted run.
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wine regedit /S "$(windows_path "$root/tools/wine-fonts.reg")" >/dev/null 2>&1
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
            >/dev/null 2>&1
        wineserver -w
        touch "$stamp"
    fi
    flock -u 9
    exec 9>&-
}

if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    # A wineserver left from an earlier run keeps that run's display for the prefix's desktop and
    # tray; this run's programs must find all of them on its own.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
fi
make_prefix

status=0
"$@" || status=$?
exit $status
