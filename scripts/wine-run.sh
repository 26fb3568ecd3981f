#!/usr/bin/env bash
# Runs a Windows program under Wine, in the project's own Wine prefix (made on first use) and on
# a private Xvfb display when no display is set, without Wine's debug output. The build uses it
# to run the cross-built tests. Usage: wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}  # no Mono or Gecko prompts

source "$root/scripts/lib/xvfb.sh"
trap 'wineserver -w >/dev/null 2>&1; stop_xvfb' EXIT
# A console program run with ONDAVI_NO_DISPLAY=1 gets no X server either.
if [ -z "${DISPLAY:-}" ] && [ -z "${ONDAVI_NO_DISPLAY:-}" ]; then start_xvfb 1024x768; fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wineserver -w
fi
# Chinese and Japanese glyphs come from the system's fonts, linked behind the face Wine draws
# dialogs in here (MS Shell Dlg becomes Liberation Sans), as Windows links its own CJK fonts.
if [ ! -f "$WINEPREFIX/.cjk-linked" ]; then
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v "Liberation Sans" /t REG_MULTI_SZ \
    /d 'wqy-microhei.ttc,WenQuanYi Micro Hei\0ipag.ttf,IPAGothic' /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.cjk-linked"
fi
set +e
wine "$@"
status=$?
set -e
exit $status
