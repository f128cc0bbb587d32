#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package: installs what is missing (through setup.sh, Debian packages only, lintian besides),
# builds the program alone in Release for /usr, with Debian's hardening flags, in build-package/ (or
# CANTORIX_PACKAGE_DIR), runs cpack, then checks the .deb with lintian, printing what it says and failing on any
# error. The package is left in that folder as cantorix2_<version>-<revision>_<architecture>.deb.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${CANTORIX_PACKAGE_DIR:-$root/build-package}

CANTORIX_BUILD_DIR="$build_dir" CANTORIX_BUILD_TARGETS=cantorix2 \
    CANTORIX_CMAKE_ARGS="-DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DCANTORIX_TESTS=OFF -DCANTORIX_BENCH=OFF -DCANTORIX_DEB_BUILDFLAGS=ON ${CANTORIX_CMAKE_ARGS:-}" \
    "$root/scripts/setup.sh" lintian

cd "$build_dir"
rm -f cantorix2_*.deb
cpack -G DEB
deb=$(ls cantorix2_*.deb)

echo "== lintian $deb"
# Errors, warnings and informational tags are printed; only an error fails the script.
if ! lintian --fail-on error --display-info "$deb"; then
    echo "lintian found errors in $build_dir/$deb" >&2
    exit 1
fi
echo "== $build_dir/$deb"
