#!/usr/bin/env bash
# Builds the release package and checks it as Debian and software centres would (lintian,
# desktop-file-validate, appstreamcli), then installs it, checks that the installed ondavi
# starts and stays on top under Xvfb, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && rm -f ondavi_*.deb && cpack >/dev/null)
package=$(ls build/release/ondavi_*.deb)

# Built and checked as root here, which lintian warns about in a line of its own.
lintian --fail-on error,warning --allow-root "$package"
desktop-file-validate packaging/com.pellworth.Ondavi.desktop
appstreamcli validate --no-net packaging/com.pellworth.Ondavi.metainfo.xml

apt-get install -y -q --no-install-recommends "./$package" >/dev/null
trap 'dpkg -r ondavi >/dev/null' EXIT
test -f /usr/share/applications/com.pellworth.Ondavi.desktop
test -f /usr/share/icons/hicolor/scalable/apps/com.pellworth.Ondavi.svg
test -f /usr/share/metainfo/com.pellworth.Ondavi.metainfo.xml
man -l /usr/share/man/man1/ondavi.1.gz >/dev/null
tests/qt/stay_on_top_test.sh /usr/bin/ondavi
echo "Package $package passes lintian, installs, and its ondavi starts."
