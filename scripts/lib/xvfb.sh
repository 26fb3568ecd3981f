# Sourced by the scripts that need an X server of their own: start_xvfb WIDTHxHEIGHT starts Xvfb
# on a free display, exports DISPLAY, sets XVFB_PID and returns once the server takes
# connections. stop_xvfb ends it and waits, so that the display is free for the next one.
start_xvfb() {
  local fd display
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 "${1:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  if ! read -r -t 10 display <&"$fd"; then
    echo "Xvfb did not start" >&2
    kill "$XVFB_PID" 2>/dev/null
    return 1
  fi
  export DISPLAY=":$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}
