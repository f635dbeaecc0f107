#!/bin/sh
# Release 3.0 and this one on one settings file, both ways, as two computers
# meet when one of them is updated first:
#  - tasks of one list changed apart, one on 3.0, one here, both stand after
#    the merge here (3.0's list time standing for each of its tasks);
#  - a file saved here (task stamps, a record of replaced tasks) shows every
#    list the same in 3.0, and 3.0 keeps a conflict copy holding the record
#    whole instead of merging it.
# 3.0 is built from its tag in a scratch folder.
#   tests/compat/release-3.0.sh PROGRAM SOURCE_DIR
program=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { # description, condition
    if [ "$2" != yes ]; then echo "FAIL: $1"; failures=$((failures + 1)); else echo "ok: $1"; fi
}

mkdir -p "$work/3.0/src"
# The tag, or where it did not travel with the clone, its commit.
if ! { git -C "$source" archive v3.0 2>/dev/null || git -C "$source" archive e8dd38e; } | tar -x -C "$work/3.0/src"; then
    echo "SKIP: release 3.0's sources are not in this clone's history"
    exit 77
fi
cmake -S "$work/3.0/src" -B "$work/3.0/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > "$work/cmake.log" 2>&1 &&
    cmake --build "$work/3.0/build" --target velmorwick -j"$(nproc)" >> "$work/cmake.log" 2>&1 ||
    { tail -20 "$work/cmake.log"; echo "FAIL: release 3.0 did not build"; exit 1; }
release30=$work/3.0/build/src/velmorwick

# machine (a: this release, b: 3.0), then the program's arguments
run() {
    machine=$1; shift
    binary=$program
    case $machine in b | d) binary=$release30 ;; esac # b and d run 3.0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/$machine" \
        XDG_DATA_HOME="$work/$machine/data" "$binary" "$@"
}
store() { echo "$work/$1/Velmorwick/Velmorwick.conf"; }
# The 10-task list as JSON for import: each argument a task, "x:" before a ticked one.
tenTasks() {
    printf '{"format": "velmorwick-lists", "version": 1, "lists": [{"tasks": 10, "rows": ['
    for row in 1 2 3 4 5 6 7 8 9 10; do
        task=$(eval "printf '%s' \"\${$row:-}\"")
        done=false
        case $task in x:*) done=true; task=${task#x:} ;; esac
        [ "$row" -gt 1 ] && printf ', '
        printf '{"text": "%s", "done": %s}' "$task" "$done"
    done
    printf ']}]}\n'
}
# A sync program's copy of machine $1's file beside machine $2's.
arrive() { cp "$(store "$1")" "$(dirname "$(store "$2")")/Velmorwick.sync-conflict-20261210-0$3-ABCDEFG.conf"; }

# Both start from one file 3.0 saved.
tenTasks "pay rent" "call mum" "water plants" > "$work/start.json"
run b import "$work/start.json" > /dev/null
mkdir -p "$work/a/Velmorwick" && cp "$(store b)" "$(store a)"
# On 3.0 the first task is ticked; here, later, a task is added.
tenTasks "x:pay rent" "call mum" "water plants" > "$work/ticked.json"
run b import "$work/ticked.json" > /dev/null
run a add "buy stamps" --list 10 > /dev/null
arrive b a 10000
run a export > "$work/merged.txt" 2> "$work/said.txt"
check "a list 3.0 saved merges task by task: its tick and the task added here both stand" \
    "$(grep -qx '\[x\] pay rent' "$work/merged.txt" && grep -qx '\[ \] buy stamps' "$work/merged.txt" &&
        grep -q 'merged' "$work/said.txt" && echo yes)"

# The same task changed on another computer of this release and, later, here.
mkdir -p "$work/c/Velmorwick" && cp "$(store a)" "$(store c)"
tenTasks "x:pay rent" "call dad" "water plants" "buy stamps" > "$work/dad.json"
run c import "$work/dad.json" > /dev/null 2>&1
tenTasks "x:pay rent" "call grandma" "water plants" "buy stamps" > "$work/grandma.json"
run a import "$work/grandma.json" > /dev/null 2>&1
arrive c a 20000
run a export > "$work/here.txt" 2> /dev/null
run a replaced > "$work/replaced.txt"
check "a task changed on both is in the record here" "$(grep -q '"call dad" replaced by "call grandma"' "$work/replaced.txt" &&
    grep -q '^\[Replaced\]' "$(store a)" && echo yes)"

# That file in 3.0: every list the same.
mkdir -p "$work/d/Velmorwick" && cp "$(store a)" "$(store d)"
run d export > "$work/in30.txt" 2> "$work/said30.txt"
check "a file saved here shows every list the same in 3.0" \
    "$(cmp -s "$work/here.txt" "$work/in30.txt" && [ ! -s "$work/said30.txt" ] && echo yes)"
# Its conflict copy beside a file of 3.0: kept whole, nothing of it merged.
arrive a b 30000
run b export > "$work/b.txt" 2> "$work/saidb.txt"
check "3.0 keeps a conflict copy holding the record whole, and says so" \
    "$(grep -q 'holds something else' "$work/saidb.txt" && grep -qx '\[x\] pay rent' "$work/b.txt" &&
        ! grep -q 'grandma' "$work/b.txt" && ls "$(dirname "$(store b)")" | grep -q 'Velmorwick.conf.conflict-' && echo yes)"

echo "$((4 - failures)) of 4 passed"
[ "$failures" -eq 0 ]
