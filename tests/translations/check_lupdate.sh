#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when lupdate would change a catalogue: a string added to (or gone from) the sources that the .ts files do
# not have yet. lupdate is run on copies, with the options the build's update_translations target uses.
#   check_lupdate.sh LUPDATE SOURCES_LIST TRANSLATIONS_DIR
set -eu
lupdate=$1 sources=$2 translations=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$translations"/*.ts "$work/"
options="-locations none -no-obsolete -no-ui-lines -silent"
for ts in "$work"/*.ts; do
    case $ts in
    *_en.ts) "$lupdate" $options -pluralonly "@$sources" -ts "$ts" ;;
    *) "$lupdate" $options "@$sources" -ts "$ts" ;;
    esac
done
status=0
for ts in "$translations"/*.ts; do
    if ! diff -u "$ts" "$work/$(basename "$ts")" >"$work/diff"; then
        echo "$(basename "$ts") is not up to date with the sources:"
        grep '^[-+] *<source>' "$work/diff" | head -40
        status=1
    fi
done
[ $status -eq 0 ] || echo "Run: cmake --build <build folder> --target update_translations, and translate what is new."
exit $status
