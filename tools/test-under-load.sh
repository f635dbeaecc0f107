#!/bin/sh
# The ordinary suite, again and again, with every core kept busy beside it:
# a test that fails here waits on time where it should wait on a condition.
#   tools/test-under-load.sh [BUILD_DIR] [RUNS]
# Prints each run's outcome and the count; exits 1 when any run failed.
set -u
build=${1:-build}
runs=${2:-10}
busy=""
for _ in $(seq 1 "$(nproc)"); do
    sh -c 'while :; do :; done' &
    busy="$busy $!"
done
trap 'kill $busy 2>/dev/null' EXIT INT TERM
failed=0
for run in $(seq 1 "$runs"); do
    if QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j"$(nproc)" -LE "extended|benchmark" --output-on-failure > "$build/under-load-$run.log" 2>&1; then
        echo "run $run: $(grep 'tests passed' "$build/under-load-$run.log")"
    else
        failed=$((failed + 1))
        echo "run $run: FAILED: $(grep -E '^\s+[0-9]+ - ' "$build/under-load-$run.log" | tr -s ' ' | tr '\n' ';')"
    fi
done
echo "$((runs - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
