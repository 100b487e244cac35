#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang with AddressSanitizer and
# UBSan) and runs them.
#
#   scripts/fuzz.sh replay [TARGET...]   each seed file once, as a regression check
#   scripts/fuzz.sh TARGET|all SECONDS   fuzz for SECONDS (each target in turn for all)
#
# Targets: jpeg bmp bmp_header thumbnail settings. The seeds live in
# fuzz/corpus/TARGET; inputs found while fuzzing go to build-fuzz/corpus/TARGET
# and inputs that break the program to build-fuzz/artifacts/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
all_targets=(jpeg bmp bmp_header thumbnail settings)

usage() {
    sed -n '2,11s/^# \{0,1\}//p' "$0" >&2
    exit 2
}

check_target() {
    local known
    for known in "${all_targets[@]}"; do
        [ "$1" = "$known" ] && return 0
    done
    echo "unknown target: $1" >&2
    usage
}

[ $# -ge 1 ] || usage
mode=$1
shift
if [ "$mode" = replay ]; then
    targets=("$@")
    [ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
else
    [ $# -eq 1 ] && [[ $1 =~ ^[0-9]+$ ]] || usage
    seconds=$1
    if [ "$mode" = all ]; then
        targets=("${all_targets[@]}")
    else
        targets=("$mode")
    fi
fi
for target in "${targets[@]}"; do
    check_target "$target"
done

"$here/scripts/install-deps.sh" fuzz
cd "$here"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
[ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer
export UBSAN_OPTIONS=print_stacktrace=1
# No input may need more than this: larger pictures are refused before
# they are allocated, and a refused one must be refused quickly.
limits=(-rss_limit_mb=2560 -timeout=30)

failed=()
for target in "${targets[@]}"; do
    program=build-fuzz/fuzz/fuzz_$target
    seeds=fuzz/corpus/$target
    if [ "$mode" = replay ]; then
        echo "== replaying $seeds"
        if ! "$program" "${limits[@]}" "$seeds"/*; then
            failed+=("$target")
        fi
    else
        mkdir -p "build-fuzz/corpus/$target" build-fuzz/artifacts
        echo "== fuzzing $target for $seconds s"
        if ! "$program" "${limits[@]}" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="build-fuzz/artifacts/$target-" \
            "build-fuzz/corpus/$target" "$seeds"; then
            failed+=("$target")
        fi
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets that failed: ${failed[*]}" >&2
fi
echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
