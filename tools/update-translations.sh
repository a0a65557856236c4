#!/bin/sh
# Gathers the program's texts into every language's translation source. Run after
# changing a source text.
set -e
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
sources="cards games shell tools/packagetexts"
for code in de fr es it pl ru pt_BR nl; do
  "$LUPDATE" -no-obsolete -locations relative -target-language "$code" $sources \
    -ts "translations/christmas-zelmo_$code.ts"
done