#!/usr/bin/env bash
# Makes the Windows zip from the cross-built program (scripts/test.sh builds and tests it) and
# checks that ondavi.exe and ondavi.com stay small and needs only Windows' own DLLs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
(cd build/windows && cpack >/dev/null)
# ondavi.exe (the window) and ondavi.com (for command prompts) alike.
for exe in build/windows/app/ondavi.exe build/windows/app/ondavi.com; do
  name=$(basename "$exe")
  size=$(stat -c %s "$exe")
  echo "$name: $size bytes; it imports:"
  x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name/ {print "  " $3}' | tee /tmp/ondavi-dlls.$$
  if [ "$size" -gt 3145728 ]; then echo "FAIL: $name is over 3 MB"; exit 1; fi
  if grep -viqE '^  (kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|oleacc|msvcrt)\.dll$' /tmp/ondavi-dlls.$$; then
    echo "FAIL: $name needs a DLL that Windows does not ship"; rm -f /tmp/ondavi-dlls.$$; exit 1
  fi
  rm -f /tmp/ondavi-dlls.$$
done
# The listing is read whole before it is searched: grep -q would stop reading at the first match,
# and unzip, still writing, would die of SIGPIPE and fail the pipeline under pipefail.
listing=$(unzip -Z1 build/windows/ondavi-*-win64.zip)
grep -q '/ondavi\.com$' <<<"$listing" || { echo "FAIL: the zip has no ondavi.com"; exit 1; }
ls build/windows/ondavi-*-win64.zip
