#!/usr/bin/env bash
# Makes po/ondavi.pot, the template of the catalogs, from the sources, the desktop entry and the
# metainfo; with --check, only tells whether the committed one is up to date (CI runs that).
# Then the catalogs: po/LANG.po for each language of po/LINGUAS (msgmerge --update brings them
# up to the template).
set -euo pipefail
cd "$(dirname "$0")/.."
out=po/ondavi.pot
[ "${1:-}" = --check ] && out=$(mktemp)
sources=$(git ls-files --cached --others --exclude-standard 'core/*.cpp' 'core/*.h' 'explain/*.cpp' 'explain/*.h' 'form/*.cpp' 'form/*.h' 'qt/*.cpp' 'win32/*.cpp' \
  'web/*.cpp' 'web/*.h' 'app/*.cpp' | sort)
xgettext --from-code=UTF-8 --language=C++ --keyword=Tr:1,1t --keyword=Tr:1c,2,2t --keyword=TrArgs:1 \
  --keyword=N_ --keyword=ONDAVI_WORD:1c,2 --add-comments=TRANSLATORS: --package-name=Ondavi --package-version=1.0.0 \
  --msgid-bugs-address=ondavi@pellworth.invalid --sort-by-file --omit-header -o "$out.code" $sources
xgettext --from-code=UTF-8 --omit-header --sort-by-file -o "$out.desktop" \
  packaging/com.pellworth.Ondavi.desktop packaging/com.pellworth.Ondavi.metainfo.xml
msgcat --sort-by-file -o "$out" "$out.code" "$out.desktop"
rm -f "$out.code" "$out.desktop"
if [ "${1:-}" = --check ]; then
  if ! diff -u po/ondavi.pot "$out"; then
    echo "po/ondavi.pot is out of date: run scripts/update-pot.sh" >&2
    rm -f "$out"; exit 1
  fi
  rm -f "$out"; exit 0
fi
for language in $(grep -v '^#' po/LINGUAS); do
  msgmerge --quiet --update --backup=none --no-fuzzy-matching --no-wrap po/$language.po "$out"
done
