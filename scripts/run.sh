#!/usr/bin/env bash
# Builds the calculator (installing what is missing) and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target ondavi
exec build/dev/app/ondavi
