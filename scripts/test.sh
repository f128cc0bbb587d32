#!/usr/bin/env bash
# Sets up and builds if needed, then runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cd "${CANTORIX_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)"
