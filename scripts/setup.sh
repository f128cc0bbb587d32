#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs (Debian packages only, nothing that is already there; extra package names may be
# given as arguments) and builds the program and its tests into build/, or into CANTORIX_BUILD_DIR with the cmake
# options in CANTORIX_CMAKE_ARGS. Safe to run again: it only does what is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${CANTORIX_BUILD_DIR:-$root/build}

packages=(build-essential cmake ninja-build ccache qt6-base-dev libbenchmark-dev fonts-liberation)
# The installed files: the icon's PNG sizes (rsvg-convert), the .deb's library dependencies (dpkg-shlibdeps) and the
# validators the install test runs; pdftotext and pdfinfo, which read back an exported report.
packages+=(librsvg2-bin dpkg-dev desktop-file-utils appstream man-db groff-base poppler-utils)
# What a screen reader is told of the windows (scripts/atspi-dump.py): an X server and a session bus of the test's
# own, the accessibility bus and registry, and the Python binding that reads them.
packages+=(xvfb dbus at-spi2-core python3-pyatspi)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The compiler cache beside the Windows Qt, which a machine that keeps one keeps too (scripts/ccache-env.sh).
. "$root/scripts/ccache-env.sh"
# Ninja for a new build folder; one made with another generator keeps it.
generator=()
[ -f "$build_dir/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S "$root" -B "$build_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CANTORIX_CMAKE_ARGS:-}
# CANTORIX_BUILD_TARGETS (names separated by blanks) builds only those targets, e.g. the fuzz harnesses.
targets=()
for target in ${CANTORIX_BUILD_TARGETS:-}; do
    targets+=(--target "$target")
done
cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
