# Sourced by the scripts that need an X server of their own: start_xvfb WIDTHxHEIGHT starts Xvfb
# on a free display, exports DISPLAY, sets XVFB_PID and returns once the server answers a client.
# The server's own messages go to XVFB_LOG, which xvfb_report prints when a test fails.
# -noreset: by default the server resets when its last client leaves, and a client that connects
# during the reset is refused ("could not connect to display"); the check below is such a client,
# so without it the program started right after would sometimes find no display.
# stop_xvfb ends it and waits, so that the display is free for the next one.
start_xvfb() {
  local fd display
  XVFB_LOG=$(mktemp)
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset >"$XVFB_LOG" 2>&1 &
  XVFB_PID=$!
  if ! read -r -t 10 display <&"$fd"; then
    echo "Xvfb did not start" >&2
    xvfb_report >&2
    kill "$XVFB_PID" 2>/dev/null
    return 1
  fi
  exec {fd}<&-
  export DISPLAY=":$display"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb on $DISPLAY does not answer" >&2
  xvfb_report >&2
  return 1
}

# Whether the server still runs, and what it said.
xvfb_report() {
  if kill -0 "${XVFB_PID:-0}" 2>/dev/null; then
    echo "Xvfb (pid $XVFB_PID) on ${DISPLAY:-?} still runs; it said:"
  else
    echo "Xvfb (pid ${XVFB_PID:-?}) on ${DISPLAY:-?} has ended; it said:"
  fi
  cat "${XVFB_LOG:-/dev/null}" 2>/dev/null
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  rm -f "${XVFB_LOG:-}"
}
