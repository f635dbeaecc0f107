#!/bin/sh
# Takes the pictures of the program in each language it speaks, under a
# private Xvfb with openbox: the main window, a list, the password entry and
# a message box, as docs/screenshots/<picture>-<language>.png.
#   tools/screenshots-languages.sh [BUILD_DIR] [OUT_DIR]
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
. "$(dirname "$0")/xsession.sh"
trap 'pkill -P $$ 2>/dev/null || true; xsession_stop; rm -rf "$work"' EXIT INT TERM
xsession_start "$work"

frame() { xwininfo -tree -id "$1" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p'; }
shoot() { # window id, file
    sleep 0.5 # let the last paint land; a picture, not a test
    import -window "$(frame "$1")" "$out/$2"
    echo "wrote $out/$2"
}
start() { # language, store contents
    home=$(mktemp -d "$work/home.XXXXXX")
    mkdir -p "$home/Velmorwick"
    printf '%b' "$2" > "$home/Velmorwick/Velmorwick.conf"
    LANGUAGE=$1 XDG_CONFIG_HOME=$home "$program" >"$work/program.log" 2>&1 &
    running=$!
}
stop() { kill "$running" 2>/dev/null || true; wait "$running" 2>/dev/null || true; }

list='[AutoLoad]\nAutoLoad=5\n\n[Task5]\nText1=Water the ferns\nText2=Post the parcel to Ann\nText3=Return library books\nTick1=1\nTick3=1\n'
titled() { # the program's visible window of this title
    for _ in $(seq 1 200); do
        id=$(xdotool search --onlyvisible --pid "$running" --name "^$1\$" 2>/dev/null | head -1 || true)
        # (One that goes again at once, as a list window may at start, is not it.)
        [ -n "$id" ] && sleep 0.3 && xwininfo -id "$id" > /dev/null 2>&1 && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window '$1'" >&2; cat "$work/program.log" >&2; exit 1
}

# Each language: the shortcut keys of My Private List and of View My Private
# List and of OK, then the titles of the password entry and of an error box.
while IFS='|' read -r language menu item ok entry error; do
    start "$language" "$list"
    shoot "$(titled 'Tarnbook!.*')" "list-$language.png"
    stop
    start "$language" '[Password]\nOk=tulip\n'
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
    sleep 0.5 # the entry takes the keyboard once shown
    xdotool windowactivate --sync "$entry" key "alt+$ok"
    box=$(titled "$error")
    sleep 1 # a box paints its first frame late under Xvfb
    # As the screen shows it, frame and all.
    eval "$(xwininfo -id "$(frame "$box")" | awk '/Absolute upper-left X/ { print "X=" $4 } /Absolute upper-left Y/ { print "Y=" $4 } /Width/ { print "W=" $2 } /Height/ { print "H=" $2 }')"
    import -window root -crop "${W}x${H}+${X}+${Y}" "$out/message-box-$language.png"
    echo "wrote $out/message-box-$language.png"
    stop
done <<'LANGUAGES'
de|p|a|o|Passwort!|Fehler!
fr|p|v|o|Mot de passe !|Erreur !
es|p|v|a|¡Contraseña!|¡Error!
pt_BR|p|v|o|Digite a senha!|Erro!
ar|Arabic_khah|Arabic_tehmarbuta|Arabic_meem|أدخل كلمة المرور!|خطأ!
LANGUAGES
