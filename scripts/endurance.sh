#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the endurance test for many rounds (1,000 unless given) in one process and prints its memory figures.
#   scripts/endurance.sh [cycles]          Release build (build-endure-release): resident memory must stay flat
#   scripts/endurance.sh --asan [cycles]   AddressSanitizer/LeakSanitizer build (build-endure): leaks fail the run
#   scripts/endurance.sh --races [rounds]  the race tests (two copies of the program, an appender, an editor saving
#                                          by rename) for that many rounds each, on the disk's own file system and
#                                          on tmpfs (/dev/shm): nothing may be lost
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

sanitize=OFF
build_dir=${CANTORIX_ENDURANCE_BUILD_DIR:-$root/build-endure-release}
build_type=Release
if [ "${1:-}" = "--races" ]; then
    rounds=${2:-1000}
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type" -DCANTORIX_BENCH=OFF >/dev/null
    cmake --build "$build_dir" -j "$(nproc)" --target tst_core_writerace cantorix_logwriter
    export QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8 LC_ALL= LANGUAGE= CANTORIX_RACE_ROUNDS=$rounds
    export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-7200000}
    for folder in "${CANTORIX_RACE_DISK:-/var/tmp}" /dev/shm; do
        echo "== $rounds rounds in $folder ($(stat -f -c %T "$folder"))"
        TMPDIR=$folder "$build_dir/tests/tst_core_writerace"
    done
    exit 0
fi
if [ "${1:-}" = "--asan" ]; then
    shift
    sanitize=ON
    build_dir=${CANTORIX_ENDURANCE_BUILD_DIR:-$root/build-endure}
    build_type=RelWithDebInfo
fi
cycles=${1:-1000}

cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type" -DCANTORIX_SANITIZE="$sanitize" \
    -DCANTORIX_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target tst_gui_endurance

export QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8 LC_ALL= LANGUAGE=
export CANTORIX_ENDURANCE_CYCLES=$cycles
# QtTest stops a test function after five minutes by default; a thousand sanitized rounds take longer.
export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-7200000}
if [ "$sanitize" = ON ]; then
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
    export LSAN_OPTIONS=${LSAN_OPTIONS:-report_objects=0}
fi
"$build_dir/tests/tst_gui_endurance"
