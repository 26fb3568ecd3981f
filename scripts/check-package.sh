#!/usr/bin/env bash
# Builds the release package, installs it, checks that the installed ondavi starts and stays on
# top under Xvfb, then removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack >/dev/null)
package=$(ls build/release/ondavi_*.deb)
apt-get install -y -q --no-install-recommends "./$package" >/dev/null
trap 'dpkg -r ondavi >/dev/null' EXIT
test -f /usr/share/applications/com.pellworth.Ondavi.desktop
test -f /usr/share/icons/hicolor/scalable/apps/com.pellworth.Ondavi.svg
tests/qt/stay_on_top_test.sh /usr/bin/ondavi
echo "Package $package installs and its ondavi starts."
