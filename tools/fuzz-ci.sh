#!/bin/sh
# SPDX-License-Identifier: MIT
# CI's fuzzing: each target of fuzz/ replays its committed corpus, then runs a
# fixed number of mutations from a fixed seed. The same binary and corpus give
# the same runs (QT_HASH_SEED fixes Qt's hash order too), so a failure here is
# reproducible with the command it prints.
# A crash, a leak in our code, an input that takes over 25 s or a broken
# promise of a parser fails, with the input left in BUILD/.
# Usage: tools/fuzz-ci.sh BUILD_DIR   (built with -DCOLORCARD_FUZZ=ON)
set -e
build=${1:-build-fuzz}
cd "$(dirname "$0")/.."
# target:runs, sized to take well under a minute each on a 2-core machine.
TARGETS=${FUZZ_TARGETS:-"meter_replies:300000 xls_read:150000 workbook_import:30000 open_formats:80000"}
for entry in $TARGETS; do
    target=${entry%%:*}
    runs=${entry##*:}
    binary="$build/bin/fuzz_$target"
    log="$build/fuzz_$target.log"
    scratch=$(mktemp -d)
    set -- -seed=1 -runs="$runs" -timeout=25 -print_final_stats=1 -artifact_prefix="$build/" \
        "$scratch" "fuzz/corpus/$target"
    if ! QT_HASH_SEED=0 LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1 \
        "$binary" "$@" >"$log" 2>&1; then
        tail -n 80 "$log"
        echo "fuzz_$target failed; the input is in $build/. Again: $binary $*"
        rm -rf "$scratch"
        exit 1
    fi
    echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "$log")"
    rm -rf "$scratch"
done
