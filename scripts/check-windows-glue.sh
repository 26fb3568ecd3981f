#!/usr/bin/env bash
# Compiles the Windows stay-on-top glue with mingw-w64 (syntax only), since no Windows machine
# builds it otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
qt=/usr/include/x86_64-linux-gnu/qt6
for source in window/topmost_win32.cpp window/stay_on_top_win32.cpp; do
  x86_64-w64-mingw32-g++ -std=c++20 -Wall -Wextra -Werror -fsyntax-only -Iwindow \
    -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtWidgets" "$source"
done
echo "Windows glue compiles."
