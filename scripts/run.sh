#!/usr/bin/env bash
# Builds the calculator (installing what building and opening it needs) and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh window
cmake --preset app >/dev/null
cmake --build --preset app --target ondavi
exec build/app/app/ondavi "$@"
