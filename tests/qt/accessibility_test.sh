#!/usr/bin/env bash
# Starts the real program on its own Xvfb display and a private D-Bus session with the desktop's
# accessibility bus, then drives it through that bus with accessibility_test.py.
# Usage: accessibility_test.sh PATH_TO_ONDAVI
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${ONDAVI_PRIVATE_BUS:-}" != 1 ]; then
  ONDAVI_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi
source "$here/../../scripts/lib/xvfb.sh"
start_xvfb 800x600 || { echo "FAIL: Xvfb did not start"; exit 1; }
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1  # no desktop here to switch accessibility on
log=$(mktemp)
"$1" >"$log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true; wait $app 2>/dev/null || true; rm -f "$log"; stop_xvfb' EXIT
if ! ONDAVI_PID=$app /usr/bin/python3 "$here/accessibility_test.py"; then
  echo "The program said:"
  cat "$log"
  xvfb_report
  exit 1
fi
