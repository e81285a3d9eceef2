#!/usr/bin/env bash
# Checks run-fuzzers.sh with stand-in fuzzers: a clean one must pass, and one
# that crashes (while replaying the regression corpus or while fuzzing) must
# fail the script with the target's name and the path of its reproducer.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/tests/fuzz"

# Stand-in for a libFuzzer binary: CRASH_IN names the phase (replay or fuzzing)
# in which it prints a sanitizer report, saves its input and exits 1.
standin() {
    cat >"$tmp/tests/fuzz/$1_fuzzer" <<STANDIN
#!/usr/bin/env bash
phase=fuzzing
prefix=
for arg in "\$@"; do
    case "\$arg" in
    -runs=0) phase=replay ;;
    -artifact_prefix=*) prefix="\${arg#-artifact_prefix=}" ;;
    esac
done
echo "INFO: Seed: 1"
if [ "\$phase" = "$2" ]; then
    echo "==42==ERROR: AddressSanitizer: heap-buffer-overflow on address 0x1"
    echo "SUMMARY: AddressSanitizer: heap-buffer-overflow"
    echo crash >"\${prefix}crash-0123abcd"
    echo "artifact_prefix='\$prefix'; Test unit written to \${prefix}crash-0123abcd"
    exit 1
fi
echo "Done 10 runs in 0 second(s)"
STANDIN
    chmod +x "$tmp/tests/fuzz/$1_fuzzer"
}

failures=0
expect() { # NAME WANTED_STATUS TARGET
    local status=0
    "$here/run-fuzzers.sh" "$tmp" 1 "$3" >"$tmp/$1.out" 2>"$tmp/$1.err" || status=$?
    local artifact="$tmp/fuzz-work/$3/artifacts/crash-0123abcd"
    if [ "$2" -eq 0 ]; then
        [ "$status" -eq 0 ] && grep -q "All fuzz targets ran clean." "$tmp/$1.out" && return 0
    elif [ "$status" -ne 0 ] && grep -q "fuzz target $3 " "$tmp/$1.err" &&
        grep -qF "$artifact" "$tmp/$1.err" && ! grep -q "ran clean" "$tmp/$1.out"; then
        return 0
    fi
    echo "FAIL $1: status $status (wanted $([ "$2" -eq 0 ] && echo 0 || echo non-zero))"
    cat "$tmp/$1.out" "$tmp/$1.err"
    failures=$((failures + 1))
}

standin clean never
standin crash_replay replay
standin crash_fuzzing fuzzing
expect clean 0 clean
expect crash_in_replay 1 crash_replay
expect crash_while_fuzzing 1 crash_fuzzing
[ "$failures" -eq 0 ] && echo "run-fuzzers.sh: all cases pass"
exit $((failures > 0))
