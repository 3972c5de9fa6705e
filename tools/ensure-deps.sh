#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
# Usage: tools/ensure-deps.sh run|test
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libjpeg62-turbo-dev
          fonts-liberation2)
if [[ "${1:-run}" == test ]]; then
    packages+=(libgtest-dev googletest xvfb xauth imagemagick poppler-utils clang-format-14 clang
               libclang-rt-14-dev)
else
    packages+=(xvfb xauth imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
    echo "These Debian packages are needed and missing: ${missing[*]}" >&2
    echo "Install them as root: sudo apt-get install ${missing[*]}" >&2
    echo "or run this script as root." >&2
    exit 1
fi
