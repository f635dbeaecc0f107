#!/bin/sh
# Start-up of Velmorwick beside the floor, in rounds that alternate between
# the two, under a private Xvfb with openbox: launch to the first window
# viewable, and peak memory (VmHWM) then. Prints per case the median and the
# spread (lowest to highest) of each, and the program's ratio to the floor.
#   bench/run-startup.sh BUILD_DIR [ROUNDS]
set -eu
build=$1
rounds=${2:-12}
program=$build/src/velmorwick
floor=$build/bench/velmorwick_floor
launch=$build/bench/launchtime
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
. "$(dirname "$0")/../tools/xsession.sh"
trap 'xsession_stop; rm -rf "$work"' EXIT INT TERM
xsession_start "$work" 1280x1024
# A first launch of each, not counted: openbox takes a moment after it says
# it is there before it manages windows the same way every time, and the
# disk cache is warm for both from here on.
XDG_CONFIG_HOME=$work "$launch" "$floor" >/dev/null 2>&1 || true
XDG_CONFIG_HOME=$work "$launch" "$program" >/dev/null 2>&1 || true

# The stores: nothing at all; and a 15-task list to open at start.
mkdir -p "$work/empty" "$work/auto15/Velmorwick" "$work/floor"
{
    printf '[AutoLoad]\nAutoLoad=15\n\n[Task15]\n'
    for row in $(seq 1 15); do printf 'Text%s=task number %s of a really busy day\n' "$row" "$row"; done
    for row in $(seq 1 15); do printf 'Tick%s=%s\n' "$row" $((row % 2)); done
} > "$work/auto15/Velmorwick/Velmorwick.conf"

for round in $(seq 1 "$rounds"); do
    for case in empty auto15; do
        # Alternate which goes first, so neither always meets a warm cache.
        if [ $((round % 2)) -eq 0 ]; then
            XDG_CONFIG_HOME=$work/floor "$launch" "$floor" >> "$work/$case.floor"
            XDG_CONFIG_HOME=$work/$case "$launch" "$program" >> "$work/$case.program"
        else
            XDG_CONFIG_HOME=$work/$case "$launch" "$program" >> "$work/$case.program"
            XDG_CONFIG_HOME=$work/floor "$launch" "$floor" >> "$work/$case.floor"
        fi
    done
done

# The window of velmorwick add (a key bound to it), in rounds with the main
# window on the same empty store: ready to type in no later than that.
for round in $(seq 1 "$rounds"); do
    XDG_CONFIG_HOME=$work/empty "$launch" "$program" add >> "$work/add.program"
    XDG_CONFIG_HOME=$work/empty "$launch" "$program" >> "$work/add.main"
done

# median low high of column $2 of file $1
stats() { cut -d' ' -f"$2" "$1" | sort -n | awk '{v[NR]=$1} END {printf "%s %s %s", v[int((NR+1)/2)], v[1], v[NR]}'; }
printf '%-26s %22s %22s %8s %8s\n' "start-up ($rounds rounds)" "time ms: median (range)" "VmHWM MB: median (range)" "time" "memory"
for case in empty auto15; do
    label=$([ "$case" = empty ] && echo "empty store" || echo 'auto-load "15", full list')
    set -- $(stats "$work/$case.program" 1) $(stats "$work/$case.program" 2) $(stats "$work/$case.floor" 1) $(stats "$work/$case.floor" 2)
    awk -v label="$label" -v pt="$1" -v ptl="$2" -v pth="$3" -v pm="$4" -v pml="$5" -v pmh="$6" \
        -v ft="$7" -v ftl="$8" -v fth="$9" -v fm="${10}" -v fml="${11}" -v fmh="${12}" 'BEGIN {
        printf "%-26s %8.1f (%5.1f-%5.1f) %8.1f (%5.1f-%5.1f)\n", label, pt, ptl, pth, pm / 1024, pml / 1024, pmh / 1024
        printf "%-26s %8.1f (%5.1f-%5.1f) %8.1f (%5.1f-%5.1f)\n", "  floor", ft, ftl, fth, fm / 1024, fml / 1024, fmh / 1024
        printf "%-26s %45s %7.2fx %7.2fx\n", "  Velmorwick / floor", "", pt / ft, pm / fm
    }'
done
set -- $(stats "$work/add.program" 1) $(stats "$work/add.main" 1)
awk -v at="$1" -v atl="$2" -v ath="$3" -v mt="$4" 'BEGIN {
    printf "%-26s %8.1f (%5.1f-%5.1f)\n", "Add a Task window", at, atl, ath
    printf "%-26s %45s %7.2fx (goal 1.0x) %s\n", "  / main window", "", at / mt, at / mt <= 1.0 ? "met" : "MISSED"
}'
