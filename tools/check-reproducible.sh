#!/usr/bin/env bash
# Builds the release twice, each time from its own copy of the sources, and compares the bytes
# of kesto.exe and of the zip. The two builds differ in everything that must not matter: the
# folder's path, the time, the umask, the time zone and the locale.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/build"
work=$(mktemp -d "$root/build/reproducible.XXXXXX")
jobs=${JOBS:-$(nproc)}
# Both builds carry the time of the commit the sources come from (the copies hold no history).
epoch=${SOURCE_DATE_EPOCH:-$(cd "$root" && make -s --no-print-directory source-date-epoch)}

# The working tree as it is, changes not yet committed included, without build output.
copy_sources() {
  mkdir -p "$1"
  if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$root" ls-files -z --cached --others --exclude-standard |
      (cd "$root" && tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$1"
  else
    tar -C "$root" --exclude=./build --exclude=./dist -cf - . | tar -xf - -C "$1"
  fi
}

# $1: the copy's folder, then its umask, time zone, locale and user name (with a home of its own).
build_release() {
  copy_sources "$1"
  mkdir -p "$1.home"
  if ! (cd "$1" && umask "$2" && TZ=$3 LC_ALL=$4 USER=$5 LOGNAME=$5 HOME=$1.home \
        SOURCE_DATE_EPOCH=$epoch make -s --no-print-directory release JOBS="$jobs") \
        >"$1.log" 2>&1; then
    echo "make release failed in $1:"
    tail -n 30 "$1.log"
    exit 1
  fi
}

one=$work/one
two=$work/second/copy
build_release "$one" 022 UTC C builder
build_release "$two" 077 Asia/Shanghai zh_CN.UTF-8 someone-else

cd "$work"
zip=$(cd one/dist && ls kesto-*-win64.zip)
status=0
for file in build/release/run/kesto.exe "dist/$zip"; do
  if ! cmp -s "one/$file" "second/copy/$file"; then
    # cmp counts bytes from 1.
    byte=$(cmp "one/$file" "second/copy/$file" 2>&1 | sed -n 's/.* byte \([0-9]*\).*/\1/p')
    count=$(cmp -l "one/$file" "second/copy/$file" 2>/dev/null | wc -l)
    echo "NOT reproducible: $file differs from offset $((${byte:-1} - 1)) on ($count bytes differ)"
    status=1
  fi
done
if [ $status -ne 0 ]; then
  echo "Both builds are kept in $work."
  exit 1
fi
echo "Reproducible: two builds in different folders gave the same bytes:"
(cd one && sha256sum build/release/run/kesto.exe "dist/$zip" | sed 's|  .*/|  |')
cd "$root" && rm -rf "$work"
