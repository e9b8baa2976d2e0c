#!/bin/sh
# SPDX-License-Identifier: MIT
# Open-ended fuzzing of one target for a while, from a random seed, keeping
# what it finds: new inputs in build-fuzz/explore-TARGET/, a crashing input as
# build-fuzz/explore-TARGET/crash-*. Fix the fault, then copy the crash into
# fuzz/corpus/TARGET/ so CI's deterministic run replays it from then on.
# Usage: tools/fuzz-explore.sh TARGET MINUTES   (TARGET: a fuzz_* name without the prefix)
set -e
[ $# -eq 2 ] || { echo "usage: $0 TARGET MINUTES" >&2; exit 2; }
target=$1
seconds=$(($2 * 60))
cd "$(dirname "$0")/.."
if [ ! -x "build-fuzz/bin/fuzz_$target" ]; then
    cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCOLORCARD_FUZZ=ON
    cmake --build build-fuzz -j"$(nproc)" --target colorcard_fuzzers
fi
out="build-fuzz/explore-$target"
mkdir -p "$out"
LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out" "fuzz/corpus/$target"
