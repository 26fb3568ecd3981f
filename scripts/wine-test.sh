#!/usr/bin/env bash
# Runs a cross-built GoogleTest program under Wine (through wine-run.sh) and passes only when the
# program exits with 0 and GoogleTest reports that its tests passed: a program that Wine ends
# early can exit with 0 having run only some of its tests.
# Usage: wine-test.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
output=$(mktemp)
trap 'rm -f "$output"' EXIT
bash "$(dirname "$0")/wine-run.sh" "$@" 2>&1 | tee "$output"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
  echo "wine-test: $1 exited with status $status" >&2
  exit 1
fi
if ! grep -q '^\[  PASSED  \]' "$output" || grep -q '^\[  FAILED  \]' "$output"; then
  echo "wine-test: $1 exited with 0, but GoogleTest did not report its tests passed" >&2
  exit 1
fi
