#!/usr/bin/env bash
# Runs every fuzz target: first over its regression corpus (the inputs of
# faults found before, each once), then for SECONDS seconds from its seeds.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
shift 2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(project_file dib_decoder company_files finite_results)

seeds_of() {
    case "$1" in
    project_file | finite_results) echo "$root/examples" ;;
    dib_decoder) echo "$here/corpus/dib" ;;
    company_files) echo "$here/corpus/company" ;;
    esac
}

# A fuzzer that ended with a non-zero status fails the whole script, naming
# the target, its log and what it saved under artifacts/ (the reproducer).
check_status() {
    local status="$1" log="$2"
    [ "$status" -eq 0 ] && return 0
    echo "FAILED: fuzz target $target (status $status); full log: $log" >&2
    grep -E 'Test unit written to|^SUMMARY' "$log" >&2 || true
    echo "artifacts in $work/artifacts/:" >&2
    find "$work/artifacts" -type f >&2
    exit 1
}

for target in "${targets[@]}"; do
    fuzzer="$build/tests/fuzz/${target}_fuzzer"
    regression="$here/regression/$target"
    work="$build/fuzz-work/$target"
    mkdir -p "$work/corpus" "$work/artifacts"
    [ -x "$fuzzer" ] || { echo "FAILED: fuzz target $target: no $fuzzer" >&2; exit 1; }
    echo "== $target: regression corpus"
    # The whole log goes to a file, so the fuzzer's status is not lost in a pipe.
    status=0
    "$fuzzer" -runs=0 -artifact_prefix="$work/artifacts/" "$regression" >"$work/regression.log" 2>&1 ||
        status=$?
    tail -n 4 "$work/regression.log"
    check_status "$status" "$work/regression.log"
    # libFuzzer reads a time limit of 0 as none at all: here 0 means replay only.
    [ "$seconds" -gt 0 ] || continue
    echo "== $target: ${seconds} s of fuzzing"
    # The first directory collects what the run finds; seeds and reproducers
    # are only read. A crash, sanitizer report, leak, or an input taking over
    # 10 s ends the run with its input saved under artifacts/.
    status=0
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" "$(seeds_of "$target")" "$regression" \
        >"$work/fuzzing.log" 2>&1 || status=$?
    grep -E '^(#[0-9]+ +DONE|Done|==|SUMMARY|stat::number_of_executed_units|INFO: -max_total_time)|property broken|ERROR' \
        "$work/fuzzing.log" || true
    check_status "$status" "$work/fuzzing.log"
done
echo "All fuzz targets ran clean."
