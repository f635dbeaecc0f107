#!/bin/sh
# The Windows program from its own folder under Wine: --version answers, and
# on a virtual X display the main window comes up with its caption. With a
# second argument, a screenshot of it is saved there.
#   tools/windows/check-program.sh PROGRAM_FOLDER [SCREENSHOT.png]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
folder=$(cd "$1" && pwd)
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
own_prefix=""
if [ -z "${WINEPREFIX:-}" ]; then own_prefix=$(mktemp -d); export WINEPREFIX=$own_prefix; fi

work=$(mktemp -d)
. "$here/../xsession.sh"
wineserver=$(command -v wineserver || echo "$(dirname "$wine")/wineserver64") # Debian names it so beside wine64
trap 'kill $program 2>/dev/null; "$wineserver" -k 2>/dev/null; xsession_stop; rm -rf "$work" $own_prefix' EXIT INT TERM
# A prefix already in use has its desktop on the display it was started
# with (the caller's, named in XSESSION_DISPLAY); a new one gets its own.
if [ -n "${XSESSION_DISPLAY:-}" ]; then
    DISPLAY=$XSESSION_DISPLAY
    export DISPLAY
else
    xsession_start "$work"
fi
# Wine starts its desktop process with the first program of a prefix: with
# the display there from the start, every later window can show.
version=$("$wine" "$folder/velmorwick.exe" --version 2>/dev/null | tr -d '\r')
expected="velmorwick $(awk '/^project/ { print $3 }' "$here/../../CMakeLists.txt")"
[ "$version" = "$expected" ] || { echo "FAIL: --version under Wine said '$version'"; exit 1; }
echo "windows program: --version answers '$version'"

# A task saved ticked goes to the logbook of tasks done, in the user's data folder.
printf '%s' '{"format":"velmorwick-lists","version":1,"lists":[{"tasks":3,"rows":[{"text":"Water the plants","done":true},{"text":"","done":false},{"text":"","done":false}]}]}' \
    > "$work/ticked.json"
"$wine" "$folder/velmorwick.exe" import "$work/ticked.json" > /dev/null 2>&1 || { echo "FAIL: import under Wine"; exit 1; }
"$wine" "$folder/velmorwick.exe" done --format csv 2>&1 | grep -q 'Water the plants' \
    || { echo "FAIL: the task ticked is not in the logbook under Wine"; exit 1; }
echo "windows program: a task imported ticked is in 'done'"

"$wine" "$folder/velmorwick.exe" > "$work/program.log" 2>&1 &
program=$!
for _ in $(seq 1 600); do
    window=$(xdotool search --onlyvisible --name '^Velmorwick! v3\.0$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no main window under Wine"; cat "$work/program.log"; exit 1; }
echo "windows program: the main window 'Velmorwick! v3.0' is on the screen"
if [ $# -ge 2 ]; then
    sleep 1 # the first paint under Wine; a picture, not a test
    import -window root "$2"
    echo "windows program: screenshot in $2"
fi
