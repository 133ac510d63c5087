#!/usr/bin/env bash
# Builds Trailglint.exe and starts it under Wine on the current X display.
# With no display it uses a virtual one (Xvfb): it presses F12 as a user would,
# leaves a screenshot of the marker in build/run/screenshot.png and closes the
# program again.
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

# As in a presentation: an application in front holds the keyboard, and the
# marker's keys reach it through that application's window.
rm -f build/run/Trailglint.ini
wine notepad >/dev/null 2>&1 &
peek=build/mingw/tests/e2e/peek.exe
for _ in $(seq 100); do
  app=$(xdotool search --onlyvisible --name Notepad 2>/dev/null | head -n 1 || true)
  [ -n "$app" ] && break
  sleep 0.2
done
xdotool windowmove --sync "$app" 150 100 windowfocus --sync "$app"
wine build/run/Trailglint.exe &
program=$!
marker_shown() { xdotool search --onlyvisible --name '^Trailglint$' >/dev/null 2>&1; }
for _ in $(seq 100); do  # its tray icon shows once the marker window is made
  xdotool search --onlyvisible --name '^Wine System Tray$' >/dev/null 2>&1 && break
  sleep 0.2
done
xdotool mousemove 500 380
# A first start keeps the marker hidden until F12.
for _ in $(seq 10); do
  xdotool keydown F12 sleep 0.05 keyup F12
  sleep 0.5
  marker_shown && break
done
sleep 0.5
import -window root build/run/screenshot.png
wine "$peek" close TrailglintMarker >/dev/null 2>&1
wait $program || true
# The saved settings say whether the marker was shown when it was closed.
if grep -q 'Disp Pointer=True' build/run/Trailglint.ini 2>/dev/null; then
  echo "No display: ran on a virtual one, pressed F12 over Notepad and took a screenshot:"
  echo "  build/run/screenshot.png shows the marker (a red ● at 72 points) under the pointer over"
  echo "  Notepad, and the program's icon in Wine's own tray window at the top left."
else
  echo "No display: ran on a virtual one, but the marker did not show after F12." >&2
  echo "  build/run/screenshot.png shows the screen as it was." >&2
  exit 1
fi
echo "Settings file: build/run/Trailglint.ini"
