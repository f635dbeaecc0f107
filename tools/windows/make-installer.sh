#!/bin/sh
# The Windows installer, with NSIS (Debian's nsis): the program's folder as
# one setup file, every file named in it, so that the uninstaller removes
# exactly what the installer put there.
#   tools/windows/make-installer.sh PROGRAM_FOLDER SETUP.exe
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
folder=$(cd "$1" && pwd)
out=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
version=$(awk '/^project/ { print $3 }' "$root/CMakeLists.txt")
files=$(mktemp --suffix=.nsh)
trap 'rm -f "$files"' EXIT
windows() { printf '%s' "$1" | sed 's|^\./||; s|/|\\|g'; } # a relative path as Windows writes it
line() { printf '%s\n' "$*"; } # as it is: the shell's echo would read \v in \velmorwick.exe
{
    echo '!macro InstallFiles'
    (cd "$folder" && find . -type f | sort) | while read -r file; do
        line "    SetOutPath \"\$INSTDIR\\$(windows "$(dirname "$file")")\""
        line "    File \"$folder/${file#./}\""
    done
    echo '    SetOutPath "$INSTDIR"'
    echo '!macroend'
    echo '!macro RemoveFiles'
    (cd "$folder" && find . -type f | sort) | while read -r file; do
        line "    Delete \"\$INSTDIR\\$(windows "$file")\""
    done
    (cd "$folder" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
        line "    RMDir \"\$INSTDIR\\$(windows "$dir")\""
    done
    echo '!macroend'
} > "$files"
makensis -V2 -DVERSION="$version" -DICON="$root/assets/icons/velmorwick.ico" -DFILES="$files" \
    -DSIZE="$(du -sk "$folder" | cut -f1)" -DOUTFILE="$out" "$root/packaging/windows/installer.nsi"
echo "windows installer: $out ($(( $(stat -c %s "$out") / 1024 )) KiB)"
