#!/usr/bin/env bash
# Installs the Debian packages the build, the Wine run and the tests need, when any is missing.
set -euo pipefail
packages=(cmake make g++ libgtest-dev g++-mingw-w64-x86-64 wine64 xvfb xauth
          fonts-wqy-microhei locales-all imagemagick clang-format clang libclang-rt-dev zip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
