#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs (Debian packages only, nothing that is already there; extra package names may be
# given as arguments) and builds the program and its tests into build/, or into CANTORIX_BUILD_DIR with the cmake
# options in CANTORIX_CMAKE_ARGS. Safe to run again: it only does what is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${CANTORIX_BUILD_DIR:-$root/build}

. "$root/scripts/packages.sh"
install_packages "${linux_packages[@]}" "$@"

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
