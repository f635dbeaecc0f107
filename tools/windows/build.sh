#!/bin/sh
# make windows: the program and its ordinary tests for 64-bit Windows, built
# here with mingw-w64 against a Qt and a libsodium built once from Debian's
# sources (tools/windows/build-libraries.sh), then the tests run under Wine.
#   tools/windows/build.sh BUILD_DIR
# Leaves BUILD_DIR/bin (every program beside what it loads, for the tests),
# BUILD_DIR/Velmorwick (the program's own folder, as a user would unpack it)
# and BUILD_DIR/velmorwick-VERSION-setup.exe (its installer, tried under Wine).
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
cache=${VELMORWICK_WINDOWS_CACHE:-$HOME/.cache/velmorwick-windows}
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)

started=$(date +%s)
prefix=$("$root/tools/windows/build-libraries.sh" "$cache" | tail -1)
echo "windows: libraries ready in $(( $(date +%s) - started )) s ($prefix)"

cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/mingw-toolchain.cmake" -DVELMORWICK_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$prefix" -DQT_HOST_PATH=/usr \
    -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" > "$out/configure.log" || { tail -30 "$out/configure.log"; exit 1; }
cmake --build "$out" --parallel "$(nproc)"

# What the programs load, beside them: Qt with its platform plugins (windows
# for the desktop, offscreen for headless tests) and styles, libsodium, and
# the mingw runtime.
runtime() { # folder, Qt libraries...
    folder=$1; shift
    mkdir -p "$folder/platforms" "$folder/styles"
    for library in "$@"; do cp "$prefix/bin/Qt6$library.dll" "$folder/"; done
    cp "$prefix/plugins/platforms/qwindows.dll" "$prefix/plugins/platforms/qoffscreen.dll" "$folder/platforms/"
    cp "$prefix"/plugins/styles/*.dll "$folder/styles/" 2>/dev/null || rmdir "$folder/styles"
    cp "$prefix"/bin/libsodium*.dll "$folder/"
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        cp "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)" "$folder/"
    done
}
runtime "$out/bin" Core Gui Widgets PrintSupport Test
# The offscreen platform the tests run on reads fonts from a folder of its
# own (Qt ships none): the same free fonts the Linux build runs its tests with.
mkdir -p "$out/bin/lib/fonts"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf \
    "$out/bin/lib/fonts/"
rm -rf "$out/Velmorwick"
runtime "$out/Velmorwick" Core Gui Widgets PrintSupport
cp "$out/bin/velmorwick.exe" "$out/Velmorwick/"
# Qt's own texts (Yes, No, the print dialog) in each language the program
# speaks: Debian's, the same Qt release's, platform-free files.
mkdir -p "$out/Velmorwick/translations" "$out/bin/translations"
for language in $(sed -n 's/^set(VELMORWICK_LANGUAGES \(.*\))$/\1/p' "$root/src/CMakeLists.txt"); do
    cp "/usr/share/qt6/translations/qtbase_$language.qm" "$out/Velmorwick/translations/"
    cp "/usr/share/qt6/translations/qtbase_$language.qm" "$out/bin/translations/"
done
find "$out/Velmorwick" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
version=$(awk '/^project/ { print $3 }' "$root/CMakeLists.txt")
sh "$root/tools/windows/make-installer.sh" "$out/Velmorwick" "$out/velmorwick-$version-setup.exe"

# The tests under Wine, in a Wine prefix of their own.
export WINEPREFIX="$out/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || "$wine" wineboot -i > /dev/null 2>&1 || true
# Wine hands no QT_ variable of the caller to a Windows program, so the tests'
# offscreen platform is set in the prefix's own environment.
"$wine" reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f > /dev/null 2>&1
# A test Wine once failed to start at all (0.00 s, no output) runs once
# more; a fault of the program fails both times.
ctest --test-dir "$out" --output-on-failure -LE "extended|benchmark" --timeout 600 --repeat until-pass:2
WINEPREFIX= sh "$root/tools/windows/check-program.sh" "$out/Velmorwick"
WINEPREFIX= sh "$root/tools/windows/check-installer.sh" "$out/velmorwick-$version-setup.exe"
echo "windows: done in $(( $(date +%s) - started )) s"
