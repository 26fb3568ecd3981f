#!/usr/bin/env bash
# Builds the calculator's Debian package (installing what building it needs) and installs it, so
# that ondavi stays on the system: in the desktop's menu, on the PATH, with its manual page.
# "apt-get remove ondavi" takes it away again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
cmake --preset app >/dev/null
cmake --build --preset app
(cd build/app && rm -f ondavi_*.deb && cpack -G DEB >/dev/null)
package=$(ls build/app/ondavi_*.deb)
apt-get install -y -q --no-install-recommends "./$package"
echo "Installed $package: start it from the desktop's menu or with: ondavi"
