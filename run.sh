#!/usr/bin/env bash
# Builds the program (Release) and starts it. Without a display it runs on a
# virtual X server and saves a screenshot to build/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKORVEL_BUILD_TESTS=OFF -DKORVEL_BUILD_BENCH=OFF -DKORVEL_BUILD_TOOLS=OFF >/dev/null
cmake --build build/release -j2 --target korvelsein

if [[ -n "${DISPLAY:-}" ]]; then
    exec build/release/korvelsein
fi

echo "No display (DISPLAY is not set): starting the program on a virtual X server (Xvfb)."
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display build/release/korvelsein &
app=$!
sleep 4
DISPLAY=$display import -window root build/screenshot.png
echo "Screenshot of the virtual screen saved to build/screenshot.png."
echo "The program runs on display $display; press Ctrl+C to end it."
wait $app
