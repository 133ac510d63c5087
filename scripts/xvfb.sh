# Sourced: tg_start_xvfb starts a virtual X display on a free number, exports
# DISPLAY and stops the display when the calling shell exits.
tg_start_xvfb() {
  local n
  for n in $(seq 70 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  TG_XVFB_PID=$!
  trap 'kill $TG_XVFB_PID 2>/dev/null' EXIT
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  echo "Xvfb did not start on :$n" >&2
  return 1
}
