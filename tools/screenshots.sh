#!/bin/sh
# Takes the README's pictures from the real program under a private Xvfb with
# openbox, so they can be taken again whenever the look changes; then the
# main window, a list, the password entry and a message box in each language
# the program speaks (<picture>-<language>.png):
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
# Needs xvfb, openbox, xdotool, x11-utils, x11-xkb-utils and imagemagick (make
# check-deps).
set -eu
build=${1:-build}
out=${2:-docs/screenshots}
program=$(readlink -f "$build/src/velmorwick")
mkdir -p "$out"
out=$(readlink -f "$out")
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
. "$(dirname "$0")/xsession.sh"
trap 'pkill -P $$ 2>/dev/null || true; xsession_stop; rm -rf "$work"' EXIT INT TERM
xsession_start "$work"

window() { # the id of the visible window whose title matches this regular expression
    for _ in $(seq 1 200); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window '$1' among:" >&2; xdotool search --onlyvisible --name . getwindowname %@ >&2 || true
    cat "$work/program.log" >&2; kill -TERM $$; exit 1
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
    LANGUAGE=${language:-en} XDG_CONFIG_HOME=$home "$program" >"$work/program.log" 2>&1 &
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

# Quick notes above another window: the window manager places the note where
# there is room, so the other window is moved under it afterwards.
start ''
main=$(window 'Velmorwick! v3.0')
xmessage -geometry 440x200 -title 'Another program' \
    'Another program, with the focus.' >/dev/null 2>&1 &
other=$!
otherwindow=$(window 'Another program') # mapped, so it cannot take the focus from the menu later
xdotool windowactivate --sync "$main" key alt+m
sleep 0.3
xdotool key q
note=$(window 'Tarnbook! Quick Note \(Main\)')
xdotool windowactivate --sync "$note" type 'Milk, eggs, bread'
eval "$(xdotool getwindowgeometry --shell "$note")" # X, Y of the note
xdotool windowmove --sync "$otherwindow" $((X + 120)) $((Y + 50)) windowactivate --sync "$otherwindow"
sleep 0.5
left=$((X > 60 ? X - 60 : 0)); top=$((Y > 60 ? Y - 60 : 0))
import -window root -crop 640x360+$left+$top "$out/quick-notes.png"
echo "wrote $out/quick-notes.png"
kill "$other" 2>/dev/null || true
stop

# In each language.
list='[AutoLoad]\nAutoLoad=5\n\n[Task5]\nText1=Water the ferns\nText2=Post the parcel to Ann\nText3=Return library books\nTick1=1\nTick3=1\n'
appears() { # the program's visible window of this title, once it is there within TRIES tenths of a second
    for _ in $(seq 1 "${2:-200}"); do
        id=$(xdotool search --onlyvisible --pid "$running" --name "^$1\$" 2>/dev/null | head -1 || true)
        # (One that goes again at once, as a list window may at start, is not it.)
        [ -n "$id" ] && sleep 0.3 && xwininfo -id "$id" > /dev/null 2>&1 && { echo "$id"; return; }
        sleep 0.1
    done
}
titled() { # the same, or the script stops
    id=$(appears "$1")
    [ -n "$id" ] && { echo "$id"; return; }
    echo "no window '$1'" >&2; cat "$work/program.log" >&2; exit 1
}

# Each language: the keyboard layout its users type on, the shortcut keys of
# My Private List and of View My Private List and of OK, then the titles of
# the password entry and of an error box. (A key the layout lacks would be
# lent to a spare key code for the moment, which the program may read before
# it is there.)
while IFS='|' read -r language layout menu item ok entry error; do
    setxkbmap "$layout"
    start "$list"
    shoot "$(titled 'Tarnbook!.*')" "list-$language.png"
    stop
    start '[Password]\nOk=tulip\n'
    main=$(titled 'Velmorwick! v3.0')
    shoot "$main" "main-window-$language.png"
    xdotool windowactivate --sync "$main" key "alt+$menu"
    sleep 0.3
    xdotool key "$item"
    entry=$(titled "$entry")
    xdotool windowactivate --sync "$entry"
    shoot "$entry" "password-$language.png"
    # OK with no password: the box that says it cannot be blank (the exit
    # reminder, shown with the entry and kept above, out of its way first).
    xdotool search --onlyvisible --pid "$running" --name '^AutoLoad$' windowminimize %@ 2>/dev/null || true
    # The entry takes the keyboard once shown: a key pressed before then is
    # lost, so it is pressed again until the box is there.
    box=
    for _ in 1 2 3 4 5; do
        xdotool windowactivate --sync "$entry" key "alt+$ok" 2>/dev/null || true
        box=$(appears "$error" 20)
        [ -n "$box" ] && break
    done
    box=$(titled "$error")
    sleep 1 # a box paints its first frame late under Xvfb
    # As the screen shows it, frame and all.
    eval "$(xwininfo -id "$(frame "$box")" | awk '/Absolute upper-left X/ { print "X=" $4 } /Absolute upper-left Y/ { print "Y=" $4 } /Width/ { print "W=" $2 } /Height/ { print "H=" $2 }')"
    import -window root -crop "${W}x${H}+${X}+${Y}" "$out/message-box-$language.png"
    echo "wrote $out/message-box-$language.png"
    stop
done <<'LANGUAGES'
de|de|p|a|o|Passwort!|Fehler!
fr|fr|p|v|o|Mot de passe !|Erreur !
es|es|p|v|a|¡Contraseña!|¡Error!
pt_BR|br|p|v|o|Digite a senha!|Erro!
ar|ara|Arabic_khah|Arabic_tehmarbuta|Arabic_meem|أدخل كلمة المرور!|خطأ!
LANGUAGES
