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

for target in "${targets[@]}"; do
    fuzzer="$build/tests/fuzz/${target}_fuzzer"
    regression="$here/regression/$target"
    work="$build/fuzz-work/$target"
    mkdir -p "$work/corpus" "$work/artifacts"
    echo "== $target: regression corpus"
    "$fuzzer" -runs=0 -artifact_prefix="$work/artifacts/" "$regression" 2>&1 | tail -n 4
    # libFuzzer reads a time limit of 0 as none at all: here 0 means replay only.
    [ "$seconds" -gt 0 ] || continue
    echo "== $target: ${seconds} s of fuzzing"
    # The first directory collects what the run finds; seeds and reproducers
    # are only read. A crash, sanitizer report, leak, or an input taking over
    # 10 s ends the run with its input saved under artifacts/.
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" "$(seeds_of "$target")" "$regression" \
        2>&1 | grep -E '^(#[0-9]+ +DONE|Done|==|SUMMARY|stat::number_of_executed_units|INFO: -max_total_time)|property broken|ERROR' || true
    # grep above only shortens the log; the status of the fuzzer itself decides.
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$target failed; see $work/artifacts" >&2; exit 1; }
done
echo "All fuzz targets ran clean."
