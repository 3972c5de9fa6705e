#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
# Usage: tools/ensure-deps.sh run|test
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libjpeg62-turbo-dev
          fonts-liberation2)
if [[ "${1:-run}" == test ]]; then
    packages+=(libgtest-dev googletest xvfb xauth imagemagick poppler-utils clang-format-14 clang
               libclang-rt-14-dev)
    # The Debian package and its checks.
    packages+=(dpkg-dev file lintian appstream desktop-file-utils)
else
    # xwininfo (x11-utils) tells when the window is on the virtual screen.
    packages+=(xvfb xauth imagemagick x11-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
    echo "Installing ${#missing[@]} Debian packages and what they need (a few minutes): ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    echo "Installed."
else
    echo "These Debian packages are needed and missing: ${missing[*]}" >&2
    echo "Install them as root:" >&2
    echo "    sudo apt-get update" >&2
    echo "    sudo apt-get install --no-install-recommends ${missing[*]}" >&2
    echo "or run this script as root." >&2
    exit 1
fi
