#!/usr/bin/env bash
# Builds everything and runs every test through CTest (window tests headless,
# under a comma and a point locale).
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j2
