#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a temporary prefix and checks what a desktop and Debian expect of it: exactly the
# expected files, with their modes; the icon sizes; the desktop entry, AppStream file and manual page passing their
# validators without a warning; the installed program printing its version. Every failure is reported, then the
# script fails. Arguments: the cmake program, the build folder, the project version, the application id.
set -uo pipefail
cmake=$1 build=$2 version=$3 id=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }
cd "$prefix" || exit 1

expected=(
    bin/cantorix2
    share/applications/$id.desktop
    share/cantorix2/samples/BibleBooks.txt
    share/cantorix2/samples/Hymnal.txt
    share/cantorix2/samples/Lectionary.txt
    share/cantorix2/samples/ServiceLog.txt
    share/doc/cantorix2/LICENSE
    share/doc/cantorix2/README.md
    share/doc/cantorix2/docs/addservice.png
    share/doc/cantorix2/docs/planning.png
    share/doc/cantorix2/docs/report.png
    share/doc/cantorix2/docs/screenshot-de.png
    share/doc/cantorix2/docs/screenshot.png
    share/doc/cantorix2/docs/user-guide.html
    share/doc/cantorix2/docs/user-guide.md
    share/doc/cantorix2/docs/windows.png
    share/doc/cantorix2/changelog.Debian.gz
    share/doc/cantorix2/copyright
    share/icons/hicolor/128x128/apps/$id.png
    share/icons/hicolor/256x256/apps/$id.png
    share/icons/hicolor/48x48/apps/$id.png
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/cantorix2.1.gz
    share/metainfo/$id.metainfo.xml
)
# Nothing more either (no test, benchmark or fuzz target), and only the program executable.
diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) <(find . -type f -printf '%P\n' | LC_ALL=C sort) >&2 ||
    fail "the installed files differ from the expected ones (< expected, > installed)"
modes=$(find . -type f ! -path ./bin/cantorix2 ! -perm 0644 -printf '%m %P\n')
[ -z "$modes" ] || fail "data files not 0644: $modes"
[ "$(stat -c %a bin/cantorix2)" = 755 ] || fail "bin/cantorix2 is not 0755"

# A PNG's width and height are the big-endian words at bytes 16 to 23.
for size in 48 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || continue
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$width x $height" = "$size x $size" ] || fail "$png is $width x $height"
done

out=$(desktop-file-validate "share/applications/$id.desktop" 2>&1)
[ $? -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate: $out"

out=$(appstreamcli validate --no-net --strict "share/metainfo/$id.metainfo.xml" 2>&1)
[ $? -eq 0 ] || fail "appstreamcli validate: $out"

err=$(MANWIDTH=80 man --warnings -l share/man/man1/cantorix2.1.gz 2>&1 >/dev/null)
[ -z "$err" ] || fail "man --warnings: $err"
# The page names the samples' folder of the configured prefix.
MANWIDTH=200 man -l share/man/man1/cantorix2.1.gz 2>/dev/null | grep -q '/share/cantorix2/samples/' ||
    fail "the manual page does not name the samples' folder"

out=$(QT_QPA_PLATFORM=offscreen bin/cantorix2 --version 2>&1)
[ "$out" = "cantorix2 $version" ] || fail "bin/cantorix2 --version printed '$out'"

[ $failures -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "installed tree checked: ${#expected[@]} files"
