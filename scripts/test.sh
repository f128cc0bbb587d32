#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds if needed, then runs every test twice: in the plain build (build/, or CANTORIX_BUILD_DIR) and
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/, or CANTORIX_ASAN_BUILD_DIR), where
# a sanitizer report of any kind fails the run; then the Windows build, its tests under Wine and its installer
# (scripts/windows.sh), whose static Qt, when it is not yet built, is built beside the first two passes.
# CANTORIX_SANITIZE_PASS=0 leaves out the second pass, CANTORIX_WINDOWS_PASS=0 the third.
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

# Each stage's time, printed at the end however the run ends; a Qt build still running beside the passes is stopped.
begin=$SECONDS
times=()
qt_pid=
finish() {
    [ -z "$qt_pid" ] || kill -- "-$qt_pid" 2>/dev/null || true
    echo "== stage times"
    [ ${#times[@]} -eq 0 ] || printf '   %s\n' "${times[@]}"
    echo "   total: $((SECONDS - begin)) s"
}
trap finish EXIT

# Warnings fail the build here and in CI; people building the sources elsewhere get them as warnings only. Debug
# information is line tables alone: a sanitizer's or a crash's stack keeps its files and lines, and the builds take
# a fifth less time.
export CANTORIX_CMAKE_ARGS="${CANTORIX_CMAKE_ARGS:-} -DCANTORIX_WERROR=ON -DCANTORIX_LINE_TABLES=ON"

# Where the Windows Qt is not built yet (a new machine), its build, by far the longest step, runs beside the Linux
# passes at the lowest priority, on the processor time they leave; the Windows pass waits for it. Every package is
# installed first, in one run of apt-get, so that nothing else uses apt while the Qt build fetches its source.
qt_log=$root/build-logs/windows-qt.log
if [ "${CANTORIX_WINDOWS_PASS:-1}" != 0 ]; then
    start=$SECONDS
    . "$root/scripts/packages.sh"
    install_packages "${linux_packages[@]}" "${windows_packages[@]}"
    times+=("packages: $((SECONDS - start)) s")
    if ! "$root/scripts/windows-qt.sh" --cached; then
        echo "== Windows Qt: building beside the Linux passes (log in $qt_log)"
        qt_start=$SECONDS
        mkdir -p "$(dirname "$qt_log")"
        # A session of its own, so that the whole build can be stopped with the run. Where the kernel groups each
        # session's processes for scheduling (autogroup), the lowest priority is the group's, so it is set there too.
        setsid sh -c 'echo 19 >/proc/self/autogroup 2>/dev/null; exec nice -n 19 "$0"' "$root/scripts/windows-qt.sh" \
            >"$qt_log" 2>&1 &
        qt_pid=$!
    fi
fi

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
    if [ -n "$qt_pid" ]; then
        start=$SECONDS
        echo "== waiting for the Windows Qt"
        status=0
        wait "$qt_pid" || status=$?
        qt_pid=
        times+=("Windows Qt beside the Linux passes: ready after $((SECONDS - qt_start)) s, waited $((SECONDS - start)) s")
        [ "$status" -eq 0 ] || { tail -60 "$qt_log" >&2; echo "the Windows Qt build failed" >&2; exit 1; }
    fi
    start=$SECONDS
    echo "== Windows build, tests under Wine, installer"
    "$root/scripts/windows.sh"
    echo "== Windows pass took $((SECONDS - start)) s"
    times+=("Windows Qt, build, tests under Wine, installer: $((SECONDS - start)) s")
fi
