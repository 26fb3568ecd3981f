#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test: the core's GoogleTest
# suites, the Qt window's Qt Test suites (offscreen), the real program under Xvfb, and a short
# run of the benchmarks with their figures; then the Windows program, cross-built, with the
# core's suites and the Windows window's tests under Wine; then the web page, with the core's
# suites under node and the page's tests in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev -E '_bench$'
# The benchmarks, in a short run with their figures shown: a batch of problems beside a plain
# Python script (both throughputs and their ratio), calculations per second, the worked
# example's time and the slowest known input's. The README says how to make the full run.
ctest --preset dev -R '_bench$' --verbose
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
cmake --preset web >/dev/null
cmake --build --preset web
ctest --preset web -E '_bench$'
ctest --preset web -R '_bench$' --verbose  # the page's speed beside the native core's
