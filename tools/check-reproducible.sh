#!/usr/bin/env bash
# Builds the release once more from a copy of the sources in another folder, and compares its
# kesto.exe and zip with those of the build that `make test` tested (BUILD_DIR, build/win64 unless
# told). The two builds differ in everything that must not matter: the folder's path, the time,
# the umask, the time zone, the locale, the user, and whether the tests were built beside it.
# Usage: tools/check-reproducible.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tested=$(cd "${1:-$root/build/win64}" && pwd)
[ -f "$tested/run/kesto.exe" ] || { echo "no kesto.exe in $tested/run: build it first" >&2; exit 2; }
mkdir -p "$root/build"
work=$(mktemp -d "$root/build/reproducible.XXXXXX")
jobs=${JOBS:-$(nproc)}
# Both carry the time of the commit the sources come from (the copy holds no history).
epoch=${SOURCE_DATE_EPOCH:-$(cd "$root" && make -s --no-print-directory source-date-epoch)}

# The working tree as it is, changes not yet committed included, without build output.
copy=$work/elsewhere/copy
mkdir -p "$copy" "$copy.home"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$root" ls-files -z --cached --others --exclude-standard |
    (cd "$root" && tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$copy"
else
  tar -C "$root" --exclude=./build --exclude=./dist -cf - . | tar -xf - -C "$copy"
fi

if ! (cd "$copy" && umask 077 && TZ=Asia/Shanghai LC_ALL=zh_CN.UTF-8 USER=someone-else \
      LOGNAME=someone-else HOME=$copy.home SOURCE_DATE_EPOCH=$epoch \
      make -s --no-print-directory release JOBS="$jobs") >"$work/release.log" 2>&1; then
  echo "make release failed in $copy:"
  tail -n 30 "$work/release.log"
  exit 1
fi
zip=$(cd "$copy/dist" && ls kesto-*-win64.zip)
(umask 022 && TZ=UTC LC_ALL=C SOURCE_DATE_EPOCH=$epoch \
  "$root/tools/package-release.sh" "$tested" "$work/tested") >/dev/null

status=0
compare() {
  if ! cmp -s "$1" "$2"; then
    # cmp counts bytes from 1.
    byte=$(cmp "$1" "$2" 2>&1 | sed -n 's/.* byte \([0-9]*\).*/\1/p')
    count=$(cmp -l "$1" "$2" 2>/dev/null | wc -l)
    echo "NOT reproducible: $(basename "$1") differs from offset $((${byte:-1} - 1)) on ($count bytes differ)"
    status=1
  fi
}
compare "$tested/run/kesto.exe" "$copy/build/release/run/kesto.exe"
compare "$work/tested/$zip" "$copy/dist/$zip"
if [ $status -ne 0 ]; then
  echo "Both builds are kept in $work."
  exit 1
fi
echo "Reproducible: the tested build and one from another folder gave the same bytes:"
(cd "$work/tested" && sha256sum "$tested/run/kesto.exe" "$zip" | sed 's|  .*/|  |')
rm -rf "$work"
