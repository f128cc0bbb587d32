#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs each one for a while on a working corpus
# (fuzz/corpus-work/, not committed) seeded from fuzz/corpus/, then prints executions, coverage and crashes.
#
#   scripts/fuzz.sh [seconds-per-harness] [harness...]   run (default 600 s each, all harnesses)
#   scripts/fuzz.sh --merge [harness...]                 add the working inputs that reach new edges to fuzz/corpus/
#
# Each harness runs as one process (libFuzzer's -jobs/-workers stay at 1 and off the command line, where they would
# send its output to fuzz-N.log files). CANTORIX_FUZZ_PARALLEL=2 runs two harnesses at a time. Crash inputs land in
# build-fuzz/artifacts/<harness>/; the script exits with 1 when a run found one.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${CANTORIX_FUZZ_BUILD_DIR:-$root/build-fuzz}
work_dir=$root/fuzz/corpus-work
all_harnesses=(loader booklist limits search order plan logbook)

merge=0
seconds=600
if [ "${1:-}" = "--merge" ]; then
    merge=1
    shift
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=("${all_harnesses[@]}")
for harness in "${harnesses[@]}"; do
    [ -f "$root/fuzz/fuzz_$harness.cpp" ] || { echo "unknown harness: $harness" >&2; exit 2; }
done

# The largest input worth trying: a whole file for the loader, less where the input is a few box texts.
max_len_of() {
    case $1 in
    loader | logbook) echo 65536 ;;
    booklist) echo 16384 ;;
    limits) echo 1024 ;;
    search) echo 16384 ;;
    order) echo 601 ;;
    plan) echo 1024 ;;
    esac
}

targets=""
for harness in "${harnesses[@]}"; do
    targets+="fuzz_$harness "
done
CC=clang CXX=clang++ CANTORIX_BUILD_DIR="$build_dir" \
    CANTORIX_CMAKE_ARGS="-DCANTORIX_FUZZ=ON -DCANTORIX_BENCH=OFF ${CANTORIX_CMAKE_ARGS:-}" \
    CANTORIX_BUILD_TARGETS="$targets" "$root/scripts/setup.sh" clang libclang-rt-14-dev

export QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8 LC_ALL= LANGUAGE=
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

if [ $merge -eq 1 ]; then
    for harness in "${harnesses[@]}"; do
        [ -d "$work_dir/$harness" ] || continue
        before=$(find "$root/fuzz/corpus/$harness" -type f | wc -l)
        # Edges only (no hit counts), so that the committed corpus stays at a few dozen inputs per harness.
        "$build_dir/fuzz/fuzz_$harness" -merge=1 -use_counters=0 -max_len="$(max_len_of "$harness")" \
            "$root/fuzz/corpus/$harness" "$work_dir/$harness" >"$build_dir/merge-$harness.log" 2>&1
        after=$(find "$root/fuzz/corpus/$harness" -type f | wc -l)
        printf '%-9s %5d -> %5d inputs, %s\n' "$harness" "$before" "$after" \
            "$(du -sh "$root/fuzz/corpus/$harness" | cut -f1)"
    done
    exit 0
fi

# One run of one harness; its figures go to <log>.summary for the table at the end.
run_harness() {
    local harness=$1
    local artifacts=$build_dir/artifacts/$harness
    local log=$build_dir/fuzz-$harness.log
    mkdir -p "$work_dir/$harness" "$artifacts"
    cp -n "$root/fuzz/corpus/$harness"/* "$work_dir/$harness/" 2>/dev/null || true
    local dict=()
    [ -f "$root/fuzz/dict/$harness.dict" ] && dict=(-dict="$root/fuzz/dict/$harness.dict")
    local found_before
    found_before=$(find "$artifacts" -type f | wc -l)
    local status=0
    "$build_dir/fuzz/fuzz_$harness" "$work_dir/$harness" "${dict[@]}" -max_total_time="$seconds" \
        -max_len="$(max_len_of "$harness")" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?
    local execs cov ft crashes
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    crashes=$(($(find "$artifacts" -type f | wc -l) - found_before))
    printf '%-9s %8s %12s %7s %7s %8s %7s\n' "$harness" "$seconds" "${execs:-?}" "${cov:-?}" "${ft:-?}" \
        "$crashes" "$status" >"$log.summary"
}

parallel=${CANTORIX_FUZZ_PARALLEL:-1}
running=0
for harness in "${harnesses[@]}"; do
    echo "fuzzing $harness for $seconds s (log: $build_dir/fuzz-$harness.log)"
    run_harness "$harness" &
    running=$((running + 1))
    if [ "$running" -ge "$parallel" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait || true

printf '%-9s %8s %12s %7s %7s %8s %7s\n' harness seconds executions cov ft crashes status
failed=0
for harness in "${harnesses[@]}"; do
    cat "$build_dir/fuzz-$harness.log.summary"
    read -r _ _ _ _ _ crashes status <"$build_dir/fuzz-$harness.log.summary"
    if [ "$crashes" != 0 ] || [ "$status" != 0 ]; then
        failed=1
        echo "  $harness: see $build_dir/fuzz-$harness.log and $build_dir/artifacts/$harness/" >&2
    fi
done
exit $failed
