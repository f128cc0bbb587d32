#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt (qtbase) for 64-bit Windows from Debian's own qt6-base source, once, into a fixed cache folder
# keyed by the Qt version, the configure flags and the toolchain file; prints the prefix on its last line. Later runs
# find the prefix and return at once. The build tree (about 3 GB) is deleted after a successful install.
#
#   CANTORIX_WINQT_CACHE   the cache folder (default /var/cache/cantorix2); the prefix bakes in absolute paths,
#                          so a prefix stays usable only where it was built
#
# With --cached it builds nothing and only says, by its exit status, whether the prefix is there.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${CANTORIX_WINQT_CACHE:-/var/cache/cantorix2}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# Only what the program uses is built: no networking, SQL, XML or 3D paths, no JPEG or GIF (its pictures are PNG),
# no Markdown or ODF text, and none of the widgets and dialogs it never shows (graphics view, MDI, dock widgets,
# undo framework, wizards, splash screen, font and colour dialogs, print preview, ...). Everything it links is
# bundled, so the result depends on nothing but the system DLLs. direct2d stays on: without it 6.4.2's windows
# plugin and print engine do not link. The calendar widget stays: the date boxes pop one up.
flags=(-xplatform win32-g++ -qt-host-path /usr -release -static -static-runtime
    -nomake tests -nomake examples -no-opengl -no-dbus -no-icu -no-pkg-config -no-zstd
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-vulkan
    -no-feature-androiddeployqt -no-feature-tabletevent -no-libjpeg -no-gif
    -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-graphicsview -no-feature-mdiarea -no-feature-dockwidget -no-feature-undocommand
    -no-feature-undostack -no-feature-undogroup -no-feature-undoview -no-feature-lcdnumber -no-feature-dial
    -no-feature-splashscreen -no-feature-wizard -no-feature-fontdialog -no-feature-colordialog
    -no-feature-keysequenceedit -no-feature-fontcombobox -no-feature-syntaxhighlighter
    -no-feature-printpreviewwidget -no-feature-printpreviewdialog
    -qt-zlib -qt-pcre -qt-harfbuzz -qt-freetype -qt-libpng -qt-doubleconversion)

key=$( (echo "$qt_version"; printf '%s\n' "${flags[@]}"; cat "$toolchain"; x86_64-w64-mingw32-g++-posix --version |
    head -1) | sha256sum | cut -c1-12)
prefix=$cache/qt-${qt_version%%+*}-win64-$key
if [ "${1:-}" = --cached ]; then
    [ -f "$prefix/.complete" ]
    exit
fi
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

"${sudo_cmd[@]}" mkdir -p "$cache"
[ -w "$cache" ] || "${sudo_cmd[@]}" chown "$(id -u):$(id -g)" "$cache"
work=$cache/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"

# Debian's source of exactly the installed version, through a deb-src entry of our own.
sources=/etc/apt/sources.list.d/cantorix2-src.sources
if [ ! -f "$sources" ]; then
    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm bookworm-updates' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' '' \
        'Types: deb-src' 'URIs: http://deb.debian.org/debian-security' 'Suites: bookworm-security' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        "${sudo_cmd[@]}" tee "$sources" >/dev/null
    "${sudo_cmd[@]}" apt-get update -qq
fi
(cd "$work" && apt-get source -qq --download-only "qt6-base=$qt_version" >/dev/null &&
    dpkg-source -x ./qt6-base_*.dsc src >/dev/null)
src=$work/src

# The dfsg source drops src/3rdparty/wintab, which the windows platform plugin needs only for tablet events:
# -no-feature-tabletevent leaves it out.
mkdir -p "$work/build"
(cd "$work/build" && "$src/configure" -prefix "$prefix" "${flags[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1) ||
    { tail -40 "$work/build/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 || { tail -60 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null

# The LGPL asks a static build to pass on the licence and the exact source it came from: keep both beside Qt.
mkdir -p "$prefix/licenses"
cp "$src"/LICENSES/*.txt "$prefix/licenses/" 2>/dev/null || true
cp "$src/debian/copyright" "$prefix/licenses/debian-copyright" 2>/dev/null || true
echo "qt6-base $qt_version (Debian source package, https://deb.debian.org/debian/pool/main/q/qt6-base/)" \
    >"$prefix/licenses/SOURCE"
cp "$work"/qt6-base_*.dsc "$prefix/licenses/"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
