#!/usr/bin/env bash
# Builds the program (Release) and starts it. Without a display it runs on a
# virtual X server and saves a screenshot to build/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")"

echo "== Debian packages the build needs (the first run installs them: a few minutes)"
tools/ensure-deps.sh run
echo "== configuring build/release"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKORVEL_BUILD_TESTS=OFF -DKORVEL_BUILD_BENCH=OFF -DKORVEL_BUILD_TOOLS=OFF >/dev/null
echo "== building the program (the first build takes a few minutes)"
cmake --build build/release -j2 --target korvelsein

if [[ -n "${DISPLAY:-}" ]]; then
    exec build/release/korvelsein
fi

title="KORVEL poorbetoonseinte arvutus"
fail() {
    echo "run.sh: $*" >&2
    exit 1
}
# Polls a condition every 0.1 s for at most $1 seconds.
wait_for() { # seconds command...
    local tries=$(($1 * 10))
    while ((tries-- > 0)); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}
mapped() { # display window-title
    xwininfo -display "$1" -name "$2" 2>/dev/null | grep -q 'Map State: IsViewable'
}

echo "== no display (DISPLAY is not set): starting a virtual X server (Xvfb)"
log=build/xvfb.log
numberfile=$(mktemp)
# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$numberfile" >"$log" 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -f "$numberfile"' EXIT
has_number() { [[ -s $numberfile ]] || ! kill -0 $xvfb 2>/dev/null; }
wait_for 15 has_number || true
number=$(tr -dc 0-9 <"$numberfile")
[[ -n $number ]] && kill -0 $xvfb 2>/dev/null ||
    fail "the virtual X server (Xvfb) did not start; its messages are in $log"
display=":$number"
wait_for 10 xwininfo -display "$display" -root >/dev/null 2>&1 ||
    fail "the virtual X server on display $display does not answer; its messages are in $log"

echo "== starting the program on display $display"
DISPLAY=$display build/release/korvelsein &
app=$!
alive() { kill -0 $app 2>/dev/null; }
window_up() { mapped "$display" "$title" || ! alive; }
wait_for 30 window_up || true
alive || fail "the program ended at start-up (see its messages above)"
mapped "$display" "$title" || fail "the main window did not appear within 30 s"
# The About box opens over the main window as soon as that is shown.
about_up() { mapped "$display" "KORVELsein programmist"; }
wait_for 5 about_up || true
# Mapped is not yet painted: give the first paint a moment.
sleep 0.5
import -display "$display" -window root build/screenshot.png ||
    fail "the screenshot of display $display could not be taken"
echo "Screenshot of the virtual screen saved to build/screenshot.png."
echo "The program runs on display $display; press Ctrl+C to end it."
wait $app
