#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, from a Debian 12 machine: installs what is missing (Debian packages only), builds a static Qt
# once into its cache folder (scripts/windows-qt.sh), cross-builds the program and its tests with MinGW-w64, runs
# the tests under Wine, and makes dist/Cantorix2-<version>-setup.exe (NSIS) and dist/cantorix2-<version>-win64.zip,
# then checks under Wine that the installer installs silently, the installed program answers --version, and the
# uninstaller leaves nothing behind.
#
#   CANTORIX_WIN_BUILD_DIR   the build folder (default build-win)
#   CANTORIX_WINQT_CACHE     where Qt and the Wine prefix are kept (default /var/cache/cantorix2)
#   CANTORIX_WIN_TESTS=0     builds and packages without running the tests
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CANTORIX_WIN_BUILD_DIR:-$root/build-win}
cache=${CANTORIX_WINQT_CACHE:-/var/cache/cantorix2}
dist=$root/dist
start=$SECONDS

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis ninja-build cmake qt6-base-dev
    qt6-base-dev-tools dpkg-dev librsvg2-bin icoutils zip unzip fonts-dejavu-core)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

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
export WINEPREFIX=$cache/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
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
makensis -V2 -DVERSION="$version" -DPUBLISHER="$publisher" -DHOMEPAGE="$homepage" -DSTAGING="$staging" \
    -DICON="$build/packaging/windows/cantorix2.ico" -DOUTFILE="$dist/Cantorix2-$version-setup.exe" \
    "$root/packaging/windows/installer.nsi"
(cd "$build" && rm -rf "cantorix2-$version" && cp -r staging "cantorix2-$version" &&
    zip -qr "$dist/cantorix2-$version-win64.zip" "cantorix2-$version" && rm -rf "cantorix2-$version")

echo "== the installer under Wine"
installed="$WINEPREFIX/drive_c/Program Files/Cantorix2"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Cantorix2'
wine "$dist/Cantorix2-$version-setup.exe" /S
wineserver -w
[ -f "$installed/cantorix2.exe" ] || { echo "the installer did not install cantorix2.exe" >&2; exit 1; }
said=$(wine "$installed/cantorix2.exe" --version 2>/dev/null | tr -d '\r')
[ "$said" = "cantorix2 $version" ] || { echo "the installed program said '$said'" >&2; exit 1; }
wine reg query "$key" /v DisplayVersion 2>/dev/null | grep -q "$version" ||
    { echo "no uninstall entry for $version" >&2; exit 1; }
wine "$installed/Uninstall.exe" /S
wineserver -w
# The uninstaller copies itself away and runs from there; give it a moment past wineserver's wait.
for _ in $(seq 50); do [ -e "$installed" ] || break; sleep 0.2; done
if [ -e "$installed" ] || wine reg query "$key" >/dev/null 2>&1 ||
    [ -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Cantorix2.lnk" ]; then
    echo "the uninstaller left things behind:" >&2
    find "$installed" 2>/dev/null >&2 || true
    exit 1
fi
ls -l "$dist"
echo "== Windows build done in $((SECONDS - start)) s"
