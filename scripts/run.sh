#!/usr/bin/env bash
# Builds Trailglint.exe and starts it under Wine on the current X display.
# With no display it uses a virtual one (Xvfb), waits until the program is up,
# leaves a screenshot in build/run/screenshot.png and closes the program again.
# The program runs from build/run/, so its Trailglint.ini is kept there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target Trailglint peek

mkdir -p build/run
cp build/mingw/Trailglint.exe build/run/
source scripts/wine-env.sh
tg_prepare_wineprefix

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Trailglint on $DISPLAY (F12 shows the marker; quit from its menu or tray icon)."
  exec wine build/run/Trailglint.exe
fi

display=:98
Xvfb $display -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done

wine build/run/Trailglint.exe &
program=$!
peek=build/mingw/tests/e2e/peek.exe
for _ in $(seq 100); do
  [ -n "$(wine "$peek" find TrailglintMarker 2>/dev/null)" ] && break
  sleep 0.2
done
sleep 1
import -window root build/run/screenshot.png
wine "$peek" close TrailglintMarker >/dev/null 2>&1
wait $program || true
echo "No display: ran on a virtual one. Screenshot: build/run/screenshot.png"
echo "Settings file: build/run/Trailglint.ini"
