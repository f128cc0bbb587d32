#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds if needed, then runs every test twice: in the plain build (build/, or CANTORIX_BUILD_DIR) and
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/, or CANTORIX_ASAN_BUILD_DIR), where
# a sanitizer report of any kind fails the run; then the Windows build, its tests under Wine and its installer
# (scripts/windows.sh). CANTORIX_SANITIZE_PASS=0 leaves out the second pass, CANTORIX_WINDOWS_PASS=0 the third.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
plain_dir=${CANTORIX_BUILD_DIR:-$root/build}
asan_dir=${CANTORIX_ASAN_BUILD_DIR:-$root/build-asan}

# Runs the tests of one build; the build's tests set the sanitizer options themselves (see CMakeLists.txt).
run_tests() {
    local dir=$1
    local status=0
    (cd "$dir" && ctest --output-on-failure -j "$(nproc)") || status=$?
    # A report that did not change a test's exit status (a child process, a leak seen after the test's own
    # verdict) still fails the run: ctest keeps every test's output in LastTest.log.
    local log=$dir/Testing/Temporary/LastTest.log
    if [ -f "$log" ] &&
        grep -nE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: (Address|Leak|UndefinedBehavior)Sanitizer' \
            "$log"; then
        echo "sanitizer report in $log" >&2
        status=1
    fi
    return $status
}

# Each stage's time, printed at the end however the run ends.
begin=$SECONDS
times=()
print_times() {
    echo "== stage times"
    [ ${#times[@]} -eq 0 ] || printf '   %s\n' "${times[@]}"
    echo "   total: $((SECONDS - begin)) s"
}
trap print_times EXIT

# Warnings fail the build here and in CI; people building the sources elsewhere get them as warnings only.
export CANTORIX_CMAKE_ARGS="${CANTORIX_CMAKE_ARGS:-} -DCANTORIX_WERROR=ON"

start=$SECONDS
echo "== plain build: $plain_dir"
CANTORIX_BUILD_DIR="$plain_dir" "$root/scripts/setup.sh"
run_tests "$plain_dir"
echo "== plain pass took $((SECONDS - start)) s"
times+=("plain build and tests: $((SECONDS - start)) s")

if [ "${CANTORIX_SANITIZE_PASS:-1}" != 0 ]; then
    start=$SECONDS
    echo "== sanitizer build: $asan_dir"
    CANTORIX_BUILD_DIR="$asan_dir" \
        CANTORIX_CMAKE_ARGS="${CANTORIX_CMAKE_ARGS:-} -DCANTORIX_SANITIZE=ON -DCANTORIX_BENCH=OFF" \
        "$root/scripts/setup.sh"
    run_tests "$asan_dir"
    echo "== sanitizer pass took $((SECONDS - start)) s"
    times+=("sanitizer build and tests: $((SECONDS - start)) s")
fi

if [ "${CANTORIX_WINDOWS_PASS:-1}" != 0 ]; then
    start=$SECONDS
    echo "== Windows build, tests under Wine, installer"
    "$root/scripts/windows.sh"
    echo "== Windows pass took $((SECONDS - start)) s"
    times+=("Windows Qt, build, tests under Wine, installer: $((SECONDS - start)) s")
fi
