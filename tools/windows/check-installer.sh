#!/bin/sh
# The Windows installer under Wine, in a prefix of its own: a silent install
# into the user's programs folder, the Start-menu entries (Add a Task with
# its hotkey among them) and the uninstall
# entry there, the installed program answering and showing its window; a
# silent uninstall that leaves no installed file and the user's lists in the
# registry alone; then an install again, and one over it.
#   tools/windows/check-installer.sh SETUP.exe
set -eu
here=$(cd "$(dirname "$0")" && pwd)
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo "$(dirname "$wine")/wineserver64") # Debian names it so beside wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
work=$(mktemp -d)
. "$here/../xsession.sh"
trap '"$wineserver" -k 2>/dev/null; xsession_stop; rm -rf "$WINEPREFIX" "$work"' EXIT INT TERM
# The display first: the prefix's desktop comes up on it with its first program.
xsession_start "$work"
XSESSION_DISPLAY=$DISPLAY
export XSESSION_DISPLAY
"$wine" wineboot -i > /dev/null 2>&1 || true
fail() { echo "FAIL: $*"; exit 1; }
unix() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
query() { "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^  */, ""); print }'; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmorwick'
lists_key='HKCU\Software\Velmorwick\Velmorwick\Task5'
version=$(awk '/^project/ { print $3 }' "$here/../../CMakeLists.txt")

local_appdata=$("$wine" cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
programs=$("$wine" cmd /c 'echo %APPDATA%\Microsoft\Windows\Start Menu\Programs' 2>/dev/null | tr -d '\r')
folder=$(unix "$local_appdata\\Programs\\Velmorwick")
shortcut=$(unix "$programs\\Tarnbook.lnk")
add_shortcut=$(unix "$programs\\Add a Task.lnk")
done_shortcut=$(unix "$programs\\What I Got Done.lnk")

install() {
    "$wine" "$setup" /S || fail "the installer said $?"
    [ -f "$folder/velmorwick.exe" ] || fail "nothing in $folder"
}

echo "windows installer: silent install"
install
[ -f "$shortcut" ] || fail "no Start-menu entry $shortcut"
[ -f "$add_shortcut" ] || fail "no Add a Task shortcut $add_shortcut"
[ -f "$done_shortcut" ] || fail "no What I Got Done shortcut $done_shortcut"
# Its arguments, in UTF-16 in the shortcut.
tr -d '\000' < "$done_shortcut" | grep -aq 'done --window' || fail "What I Got Done does not open the window of tasks done"
# The hotkey, in the shortcut's header (offset 64): the key T, then Ctrl (2) + Alt (4).
[ "$(od -An -tx1 -j64 -N2 "$add_shortcut" | tr -d ' \n')" = "5406" ] || fail "Add a Task has no Ctrl+Alt+T"
[ "$(query "$uninstall_key" DisplayName)" = "Tarnbook" ] || fail "no uninstall entry named Tarnbook"
[ "$(query "$uninstall_key" DisplayVersion)" = "$version" ] || fail "the uninstall entry's version is not $version"
[ "$(query "$uninstall_key" Publisher)" = "Velmorwick" ] || fail "the uninstall entry names no publisher"
query "$uninstall_key" DisplayIcon | grep -q 'velmorwick.exe,0' || fail "the uninstall entry has no icon"
[ -n "$(query "$uninstall_key" EstimatedSize)" ] || fail "the uninstall entry has no size"
query "$uninstall_key" QuietUninstallString | grep -q '/S' || fail "the uninstall entry has no silent uninstall"
echo "windows installer: the Start-menu entry and the uninstall entry are there"
sh "$here/check-program.sh" "$folder"

echo "windows installer: silent uninstall, the user's lists kept"
"$wine" reg add "$lists_key" /v Text1 /d "kept by the uninstaller" /f > /dev/null 2>&1
"$wine" "$folder/uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once: waited for.
for _ in $(seq 1 300); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && find . | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left"
[ ! -e "$add_shortcut" ] || fail "the Add a Task shortcut is left"
[ ! -e "$done_shortcut" ] || fail "the What I Got Done shortcut is left"
[ -z "$(query "$uninstall_key" DisplayName)" ] || fail "the uninstall entry is left"
[ "$(query "$lists_key" Text1)" = "kept by the uninstaller" ] || fail "the user's lists went with it"
echo "windows installer: nothing it installed is left, and the user's lists are still there"

echo "windows installer: installed again, and again over it"
install
install
[ -f "$folder/velmorwick.exe" ] && [ -f "$shortcut" ] || fail "the install over it is incomplete"
"$wine" "$folder/velmorwick.exe" --version 2>/dev/null | tr -d '\r' | grep -qx "velmorwick $version" \
    || fail "the program installed over the earlier one does not answer"
[ "$(query "$lists_key" Text1)" = "kept by the uninstaller" ] || fail "the user's lists went with the upgrade"
echo "windows installer: passed ($(( $(stat -c %s "$setup") / 1024 )) KiB)"
