#!/bin/sh
# Two versions of every list merged task by task beside the floor: the same
# two versions merged list by list by release 3.0's own code, built from its
# tag in a scratch folder. Rounds alternate between the two; prints each
# median and the ratio, and exits 1 where it misses its goal by more than half
# again, as bench_store does.
#   bench/run-merge.sh BUILD_DIR [ROUNDS]
set -eu
build=$1
rounds=${2:-5}
source=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/3.0/src"
{ git -C "$source" archive v3.0 2>/dev/null || git -C "$source" archive e8dd38e; } | tar -x -C "$work/3.0/src"
cmake -S "$work/3.0/src" -B "$work/3.0/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF > "$work/build.log" 2>&1
cmake --build "$work/3.0/build" --target velmorwick_lib -j"$(nproc)" >> "$work/build.log" 2>&1 || { tail -20 "$work/build.log"; exit 1; }
# The same harness, against 3.0's headers and library.
flags=$(pkg-config --cflags --libs Qt6Widgets Qt6PrintSupport libsodium)
# shellcheck disable=SC2086
c++ -O2 -g -DNDEBUG -std=c++20 -fPIC -I"$work/3.0/src/src" "$source/bench/merge/listmerge.cpp" \
    "$work/3.0/build/src/libvelmorwick_lib.a" $flags -o "$work/listmerge-3.0"
for round in $(seq 1 "$rounds"); do
    "$build/bench/listmerge" >> "$work/rows"
    "$work/listmerge-3.0" >> "$work/lists"
done
median() { sort -n "$1" | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
awk -v rows="$(median "$work/rows")" -v lists="$(median "$work/lists")" 'BEGIN {
    printf "merge: two versions of every list, task by task: %.3f ms; list by list in release 3.0: %.3f ms\n", rows, lists
    printf "merge: task by task / release 3.0 list by list: %.2fx (goal 1.5x) %s\n", rows / lists, rows / lists <= 1.5 ? "met" : "MISSED"
    exit rows / lists > 1.5 * 1.5
}'
