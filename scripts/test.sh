#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test: the core's GoogleTest
# suites, the window's Qt Test suites (offscreen), the stay-on-top check under Xvfb and a short
# run of the benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
