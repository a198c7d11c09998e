#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer, leak checks) and
# runs each from its seed corpus for the given number of seconds. Fails on any crash, leak or report.
#   scripts/fuzz.sh [seconds per target]        (CI: 60; a longer run: scripts/fuzz.sh 3600)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh test
cmake -S . -B build-fuzz -G Ninja -DORVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON >/dev/null
cmake --build build-fuzz

for target in parameter_file text_to_number; do
    work=$(mktemp -d)
    echo "fuzzing $target for $seconds s"
    if ! ./build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -artifact_prefix="$work/" -print_final_stats=1 "$work" "fuzz/corpus/$target" >"$work/log" 2>&1; then
        tail -n 60 "$work/log" >&2
        echo "fuzzing $target failed; the input that did it is in $work" >&2
        exit 1
    fi
    grep -E "^stat::number_of_executed_units|^Done" "$work/log" || true
    rm -rf "$work"
done
