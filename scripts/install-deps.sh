#!/usr/bin/env bash
# Installs, from Debian 12's packages, what the calculator needs. "install-deps.sh window" installs
# what building and opening the window takes, "install-deps.sh package" that and what building its
# Debian package takes; with no argument it installs everything needed to build and test every
# part as well. Packages already present are left alone; apt runs only when
# something is missing. Must run as root (or with sudo available).
set -euo pipefail

packages=(
  # toolchain and build
  g++ cmake ninja-build pkg-config
  # the translation catalogs: msgfmt compiles them into the programs
  gettext
  # the window
  qt6-base-dev libgl-dev fonts-liberation fonts-dejavu-core
)
if [ "${1:-all}" != window ]; then
  packages+=(dpkg-dev file)
fi
if [ "${1:-all}" = all ]; then
  packages+=(
    clang-format
    # core tests and benchmarks
    googletest libgtest-dev libbenchmark-dev
    # the batch benchmark: peak memory of the program alone
    time
    # Chinese and Japanese glyphs for the translated windows' tests and screenshots
    fonts-wqy-microhei fonts-ipafont-gothic
    # headless window tests, screenshots and the stay-on-top check
    xvfb xauth x11-utils imagemagick xdotool openbox xclip
    # the Windows program: cross-compiler, and Wine to run its tests
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
    # fuzzing, and the core with LLVM's standard library
    clang-14 libclang-rt-14-dev libc++-14-dev libc++abi-14-dev
    # accessibility test: the desktop's accessibility bus, driven as a screen reader would
    dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    # packaging and its checks
    lintian desktop-file-utils appstream man-db
    # the web page: WebAssembly, and headless Chromium driven through chromedriver to test it
    emscripten nodejs chromium chromium-driver python3-selenium
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
