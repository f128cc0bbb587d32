#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds if needed, then starts the program in the sample files' folder. Only the program is built,
# so a first start waits for nothing else; scripts/test.sh builds the tests and benchmarks.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CANTORIX_BUILD_TARGETS=${CANTORIX_BUILD_TARGETS:-cantorix2} "$root/scripts/setup.sh"
cd "$root/samples"
exec "${CANTORIX_BUILD_DIR:-$root/build}/src/app/cantorix2" "$@"
