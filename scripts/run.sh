#!/usr/bin/env bash
# Sets up and builds if needed, then starts the program in the sample files' folder.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root/samples"
exec "${CANTORIX_BUILD_DIR:-$root/build}/src/app/cantorix2" "$@"
