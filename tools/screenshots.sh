#!/bin/sh
# Takes the README's pictures from the real program under a private Xvfb with
# openbox, so they can be taken again whenever the look changes:
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
# Needs xvfb, openbox, xdotool, x11-utils and imagemagick (make check-deps).
set -eu
build=${1:-build}
out=${2:-docs/screenshots}
program=$(readlink -f "$build/src/velmorwick")
mkdir -p "$out"
out=$(readlink -f "$out")
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
trap 'pkill -P $$ 2>/dev/null || true; kill $wm $server 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
until [ -s "$work/display" ]; do sleep 0.05; done
DISPLAY=:$(cat "$work/display")
export DISPLAY
openbox >/dev/null 2>&1 &
wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; do sleep 0.05; done
xsetroot -solid '#3a6ea5' 2>/dev/null || true

window() { # the id of the visible window with exactly this title, once it shows
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window '$1'" >&2; exit 1
}
frame() { # the window manager's frame around a window, title bar and all
    xwininfo -tree -id "$1" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p'
}
shoot() { # window id, file
    sleep 0.3 # let the last paint land; a picture, not a test
    import -window "$(frame "$1")" "$out/$2"
    echo "wrote $out/$2"
}
start() { # store contents
    home=$(mktemp -d "$work/home.XXXXXX")
    mkdir -p "$home/Velmorwick"
    printf '%b' "$1" > "$home/Velmorwick/Velmorwick.conf"
    XDG_CONFIG_HOME=$home "$program" >/dev/null 2>&1 &
    running=$!
}
stop() { kill "$running" 2>/dev/null || true; wait "$running" 2>/dev/null || true; }

# The main window.
start ''
shoot "$(window 'Velmorwick! v3.0')" main-window.png
stop

# A list with tasks ticked off.
start '[AutoLoad]\nAutoLoad=5\n\n[Task5]\nText1=Water the ferns\nText2=Post the parcel to Ann\nText3=Return library books\nText4=Book the dentist\nText5=Call the plumber about the tap\nTick1=1\nTick2=0\nTick3=1\nTick4=0\nTick5=0\n'
shoot "$(window 'Tarnbook! Normal Day')" list-ticked.png
stop

# The private list: done tasks are masked. (A password kept as typed by an
# earlier version opens it, and is then replaced by its hash.)
start '[Password]\nOk=tulip\n\n[Priv]\nText1=Birthday present for Sam\nText2=Ring the bank\nText3=Surprise party guest list\nTick1=1\nTick3=1\n'
main=$(window 'Velmorwick! v3.0')
xdotool windowactivate --sync "$main" key alt+p
sleep 0.3
xdotool key v
entry=$(window 'Enter Password!')
xdotool windowactivate --sync "$entry" type tulip
xdotool key alt+o
shoot "$(window 'My Private Tarnbook!')" private-list.png
stop

# Quick notes above another window.
start ''
main=$(window 'Velmorwick! v3.0')
xmessage -geometry 560x300+120+120 -title 'Another program' \
    'Another program has the focus; the quick notes stay above it.' >/dev/null 2>&1 &
other=$!
xdotool windowactivate --sync "$main" key alt+m
sleep 0.3
xdotool key q
note=$(window 'Tarnbook! Quick Note (Main)')
xdotool windowactivate --sync "$note" type 'Milk, eggs, bread'
xdotool windowactivate --sync "$(window 'Another program')"
sleep 0.5
import -window root -crop 760x520+60+60 "$out/quick-notes.png"
echo "wrote $out/quick-notes.png"
kill "$other" 2>/dev/null || true
stop
