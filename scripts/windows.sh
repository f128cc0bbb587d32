#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, from a Debian 12 machine: installs what is missing (Debian packages only), builds a static Qt
# once into its cache folder (scripts/windows-qt.sh), cross-builds the program and its tests with MinGW-w64, runs
# the tests under Wine, and makes dist/Cantorix2-<version>-setup.exe (NSIS) and dist/cantorix2-<version>-win64.zip,
# then tries the installer under Wine: what it installs and where (the program with its manifest, the samples as
# read-only templates, the Start-menu entry for every user), the first start copying the samples into the user's
# Documents\Cantorix2 and opening the copy, the installer and uninstaller refusing while the program runs, and the
# uninstaller removing only the files it installed as they were installed.
#
#   CANTORIX_WIN_BUILD_DIR   the build folder (default build-win)
#   CANTORIX_WINQT_CACHE     where Qt and the Wine prefix are kept (default /var/cache/cantorix2)
#   CANTORIX_WINE_PREFIX     the Wine prefix (default <cache>/wine-prefix); one per checkout building at a time
#   CANTORIX_WIN_TESTS=0     builds and packages without running the tests
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CANTORIX_WIN_BUILD_DIR:-$root/build-win}
cache=${CANTORIX_WINQT_CACHE:-/var/cache/cantorix2}
dist=$root/dist
start=$SECONDS

. "$root/scripts/packages.sh"
install_packages "${windows_packages[@]}"

echo "== Qt for Windows"
qt=$("$root/scripts/windows-qt.sh" | tail -1)
echo "Qt in $qt ($((SECONDS - start)) s so far)"

echo "== cross build: $build"
. "$root/scripts/ccache-env.sh"
# A build folder made against another Qt keeps that Qt in its cache: it is made afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^Qt6_DIR:PATH=$qt/lib/cmake/Qt6\$" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
"$qt/bin/qt-cmake" -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_EXE_LINKER_FLAGS=-static -DCANTORIX_WERROR=ON -DCANTORIX_BENCH=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$build" -j "$(nproc)"
echo "== built ($((SECONDS - start)) s so far)"

# Wine keeps its prefix beside Qt; the first start makes it (about 15 s). Wine hands only WINE-prefixed variables
# to the program, without the prefix: QtTest then prints its lines to stderr and the tests need no display.
export WINEPREFIX=${CANTORIX_WINE_PREFIX:-$cache/wine-prefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
export WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1
mkdir -p "$WINEPREFIX"
# A wineserver left running by an earlier run that stopped half-way would make every wait below wait for ever.
wineserver -k >/dev/null 2>&1 || true
wineboot --init >/dev/null 2>&1 || true
# Wine marks Unix dot files hidden; Windows does not, and the tests check the hidden attribute as Windows has it.
wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f >/dev/null 2>&1
wineserver -w

if [ "${CANTORIX_WIN_TESTS:-1}" != 0 ]; then
    echo "== tests under Wine"
    # One wineserver for the whole run, its helper processes started apart from the tests: tests started together
    # would otherwise race to start it, and a helper started by a test would hold its output open.
    wineserver -p >/dev/null 2>&1 </dev/null
    trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    (cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 900)
    wineserver -k || true
    trap - EXIT
    echo "== tests passed ($((SECONDS - start)) s so far)"
fi

echo "== packages"
version=$(sed -n 's/^project(Cantorix2 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
homepage=$(sed -n 's/^CANTORIX_HOMEPAGE:STRING=//p' "$build/CMakeCache.txt")
publisher=$(sed -n 's/^set(CANTORIX_PUBLISHER "\(.*\)")$/\1/p' "$root/CMakeLists.txt")
staging=$build/staging
rm -rf "$staging" "$dist"
mkdir -p "$dist"
cmake --install "$build" --prefix "$staging" --strip >/dev/null
# Nothing but the program and its own files: the tests and their data are not installed.

# What the installer installs and what its uninstaller may remove, file by file from the tree: the uninstaller
# removes a file only when the installed program says it still has the size and SHA-256 listed here, and asks about
# the program itself last.
files_nsh=$build/installed-files.nsh
mapfile -t files < <(cd "$staging" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
mapfile -t folders < <(cd "$staging" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r)
{
    echo "; Made by scripts/windows.sh from $staging."
    echo '!macro CX_INSTALL_FILES'
    for file in "${files[@]}"; do
        case $file in *'$'* | *'"'* | *"'"*) echo "a file name NSIS would misread: $file" >&2; exit 1 ;; esac
        folder=$(dirname "$file")
        target="\$INSTDIR\\${file//\//\\}"
        out='$INSTDIR'
        [ "$folder" = . ] || out="\$INSTDIR\\${folder//\//\\}"
        echo "    SetOutPath \"$out\""
        # The samples are templates, read-only; an earlier install's are made writable to be replaced.
        [ "$folder" != samples ] || echo "    SetFileAttributes \"$target\" NORMAL"
        echo "    File \"\${STAGING}/$file\""
        [ "$folder" != samples ] || echo "    SetFileAttributes \"$target\" READONLY"
    done
    echo '!macroend'
    echo '!macro CX_REMOVE_FILES'
    { printf '%s\n' "${files[@]}" | grep -vx cantorix2.exe; echo cantorix2.exe; } | while IFS= read -r file; do
        echo "    !insertmacro CX_REMOVE_IF_AS_INSTALLED \"${file//\//\\}\" $(stat -c %s "$staging/$file")" \
            "$(sha256sum "$staging/$file" | cut -c1-64)"
    done
    for folder in "${folders[@]}"; do echo "    RMDir \"\$INSTDIR\\${folder//\//\\}\""; done
    echo '!macroend'
} >"$files_nsh"
grep -q 'CX_REMOVE_IF_AS_INSTALLED "cantorix2.exe"' "$files_nsh" ||
    { echo "the program is missing from the installed tree" >&2; exit 1; }
makensis -V2 -DVERSION="$version" -DPUBLISHER="$publisher" -DHOMEPAGE="$homepage" -DSTAGING="$staging" \
    -DICON="$build/packaging/windows/cantorix2.ico" -DOUTFILE="$dist/Cantorix2-$version-setup.exe" \
    -DFILES="$files_nsh" "$root/packaging/windows/installer.nsi"
(cd "$build" && rm -rf "cantorix2-$version" && cp -r staging "cantorix2-$version" &&
    zip -qr "$dist/cantorix2-$version-win64.zip" "cantorix2-$version" && rm -rf "cantorix2-$version")

echo "== the installer under Wine"
fail() {
    echo "installer trial: $*" >&2
    exit 1
}
setup=$dist/Cantorix2-$version-setup.exe
installed="$WINEPREFIX/drive_c/Program Files/Cantorix2"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Cantorix2'
profile="$WINEPREFIX/drive_c/users/$(id -un)"
documents=$profile/Documents
copies=$documents/Cantorix2
settings=$profile/AppData/Local/Cantorix2/Cantorix2.ini
all_users_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Cantorix2.lnk"
own_menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Cantorix2.lnk"
# Wine links the user's Documents to the Unix home: a folder inside the prefix instead, so that the trial writes
# nothing outside it. The first start is a first start again: no settings, no copies.
[ ! -L "$documents" ] || rm "$documents"
mkdir -p "$documents"
rm -rf "$copies" "$settings" "$installed"

# The program declares long paths, Windows 10 and 11, UTF-8 and per-monitor DPI in its manifest.
exe=$staging/cantorix2.exe
# grep reads the whole listing: one that stopped at its first match would end windres with SIGPIPE, which pipefail
# counts as a failure.
x86_64-w64-mingw32-windres -i "$exe" -O rc | grep '^1 24 ' >/dev/null || fail "cantorix2.exe has no manifest"
for promise in '<longPathAware[^>]*>true<' '<activeCodePage[^>]*>UTF-8<' '<dpiAwareness[^>]*>PerMonitorV2<' \
    'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"'; do
    grep -aq "$promise" "$exe" || fail "the manifest does not say $promise"
done
# The texts read in any Windows editor: every line ends in CR LF.
for text in README.txt LICENSE.txt licenses/Qt/README.txt; do
    [ -f "$staging/$text" ] || fail "$text is not installed"
    ! grep -q $'[^\r]$' "$staging/$text" || fail "$text has lines without CR LF"
done
# The user guide's page with every picture it shows beside it.
[ -f "$staging/docs/user-guide.html" ] || fail "docs/user-guide.html is not installed"
for picture in $(grep -o '<img src="[^"]*"' "$staging/docs/user-guide.html" | sed 's/^<img src="//; s/"$//'); do
    [ -f "$staging/docs/$picture" ] || fail "docs/$picture, which the user guide shows, is not installed"
done

wine "$setup" /S
wineserver -w
[ -f "$installed/cantorix2.exe" ] || fail "the installer did not install cantorix2.exe"
said=$(wine "$installed/cantorix2.exe" --version 2>/dev/null | tr -d '\r')
[ "$said" = "cantorix2 $version" ] || fail "the installed program said '$said'"
wine reg query "$key" /v DisplayVersion 2>/dev/null | grep "$version" >/dev/null || fail "no uninstall entry for $version"
[ -f "$all_users_menu" ] || fail "no Start-menu entry for every user"
[ ! -e "$own_menu" ] || fail "the Start-menu entry went to the installing user only"
for template in ServiceLog.txt Hymnal.txt BibleBooks.txt Lectionary.txt; do
    cmp -s "$installed/samples/$template" "$root/samples/$template" || fail "samples/$template is not as shipped"
    # Wine keeps the read-only attribute as the file's write permissions.
    [[ $(stat -c %A "$installed/samples/$template") != *w* ]] || fail "samples/$template is not read-only"
done

# The first start without a file copies the samples into Documents\Cantorix2 and opens the copy there. The installed
# program holds only the windows platform (the tests' offscreen one is theirs), and under Wine that platform makes
# its windows on an X display: a virtual one of the trial's own, which picks a free display number itself.
rm -f "$build/xvfb.display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$build/xvfb.display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$build/xvfb.display" ] && break; sleep 0.1; done
[ -s "$build/xvfb.display" ] || fail "no virtual display for the first start"
DISPLAY=:$(head -1 "$build/xvfb.display") env -u WINEQT_QPA_PLATFORM wine "$installed/cantorix2.exe" \
    >"$build/first-start.log" 2>&1 </dev/null &
program=$!
for _ in $(seq 120); do
    grep -q 'Cantorix2\\\\ServiceLog.txt' "$settings" 2>/dev/null && break
    sleep 0.5
done
grep -q 'Documents\\\\Cantorix2\\\\ServiceLog.txt' "$settings" 2>/dev/null ||
    fail "the first start did not open Documents\\Cantorix2\\ServiceLog.txt"
for template in ServiceLog.txt Hymnal.txt BibleBooks.txt Lectionary.txt; do
    cmp -s "$copies/$template" "$root/samples/$template" || fail "$template was not copied into the documents"
done
# While it runs, neither the installer (which says so in its exit status) nor the uninstaller goes on. The
# uninstaller copies itself into Temp and runs from there, and wine returns once the first copy has started the
# second ("_?=", which keeps it in place, is read only unquoted, and Wine quotes an argument holding a space): the
# trial waits for that copy to end before it looks, or the program would be closed under a copy still starting.
status=0
wine "$setup" /S || status=$?
[ "$status" -ne 0 ] || fail "the installer went on while the program ran"
wine "$installed/Uninstall.exe" /S || true
for _ in $(seq 150); do pgrep -f 'Un\.exe /S' >/dev/null || break; sleep 0.2; done
! pgrep -f 'Un\.exe /S' >/dev/null || fail "the uninstaller kept running while the program ran"
[ -f "$installed/cantorix2.exe" ] && [ -f "$installed/samples/ServiceLog.txt" ] && [ -f "$all_users_menu" ] &&
    wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller removed things while the program ran"
kill "$program"
wait "$program" 2>/dev/null || true
wineserver -w

# The user adds a service to the copy, an administrator edits a template, a file of the user's is in the
# program's folder: the uninstaller leaves all three, and removes what is as it installed it.
printf '\nDec 13, 2026\n300 Gamma\n' >>"$copies/ServiceLog.txt"
chmod u+w "$installed/samples/Hymnal.txt"
printf '999 Added here\n' >>"$installed/samples/Hymnal.txt"
echo "my notes" >"$installed/samples/Mine.txt"
wine "$installed/Uninstall.exe" /S
wineserver -w
# The uninstaller copies itself away and runs from there; give it a moment past wineserver's wait.
for _ in $(seq 50); do [ -e "$installed/cantorix2.exe" ] || break; sleep 0.2; done
left=$(cd "$installed" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "samples/Hymnal.txt samples/Mine.txt " ] || fail "after the uninstaller the program's folder holds: $left"
[ -f "$copies/ServiceLog.txt" ] && [ -f "$copies/Hymnal.txt" ] && [ -f "$copies/BibleBooks.txt" ] ||
    fail "the uninstaller touched the user's copies"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is left"
[ ! -e "$all_users_menu" ] || fail "the Start-menu entry is left"
rm -rf "$installed" "$copies" "$settings"

# Installed and removed untouched, nothing is left behind.
wine "$setup" /S
wineserver -w
wine "$installed/Uninstall.exe" /S
wineserver -w
for _ in $(seq 50); do [ -e "$installed" ] || break; sleep 0.2; done
if [ -e "$installed" ] || wine reg query "$key" >/dev/null 2>&1 || [ -e "$all_users_menu" ]; then
    echo "the uninstaller left things behind:" >&2
    find "$installed" 2>/dev/null >&2 || true
    exit 1
fi
ls -l "$dist"
echo "== Windows build done in $((SECONDS - start)) s"
