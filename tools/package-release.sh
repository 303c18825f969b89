#!/usr/bin/env bash
# Packs a build's kesto.exe and help.htm into DIST/kesto-VERSION-win64.zip, its SHA-256 beside
# it, and prints the zip's path. The version is project()'s, as the build wrote it down. The zip
# holds the files in a fixed order, with fixed modes and the time SOURCE_DATE_EPOCH gives (in
# UTC), so that anyone who builds the same commit gets the same bytes.
# Usage: SOURCE_DATE_EPOCH=SECONDS tools/package-release.sh BUILD_DIR DIST_DIR
set -euo pipefail
[ $# -eq 2 ] && [ -n "${SOURCE_DATE_EPOCH:-}" ] ||
    { echo "usage: SOURCE_DATE_EPOCH=SECONDS $0 BUILD_DIR DIST_DIR" >&2; exit 2; }
build=$1
mkdir -p "$2"
dist=$(cd "$2" && pwd)
version=$(sed -n 's/^#define KESTO_VERSION_TEXT "\(.*\)"$/\1/p' "$build/src/generated/kesto_version.h")
package=kesto-$version-win64.zip
stage=$build/package
rm -rf "$stage" && mkdir -p "$stage"
rm -f "$dist/$package" "$dist/$package.sha256"
cp "$build/run/kesto.exe" "$build/run/help.htm" "$stage"
chmod 0755 "$stage/kesto.exe"
chmod 0644 "$stage/help.htm"
touch -d "@$SOURCE_DATE_EPOCH" "$stage/kesto.exe" "$stage/help.htm"
(cd "$stage" && TZ=UTC zip -q -X "$dist/$package" kesto.exe help.htm)
(cd "$dist" && sha256sum "$package" > "$package.sha256")
rm -rf "$stage"
echo "$dist/$package"
