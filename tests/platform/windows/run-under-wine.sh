#!/usr/bin/env bash
# Cross-compiles the Windows-only sources with their test and runs it under
# Wine, in a Wine prefix of its own. Exit 77 (skipped) where the tools are
# missing or Wine cannot start.
#   run-under-wine.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$1
out=$2
mkdir -p "$out"

compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null; then
    echo "SKIP: $compiler is not installed (Debian's g++-mingw-w64-x86-64)"
    exit 77
fi
loader=$(command -v wine64 || command -v wine || ls /usr/lib/wine/wine64 2>/dev/null)
if [ -z "$loader" ]; then
    echo "SKIP: wine is not installed (Debian's wine64)"
    exit 77
fi

"$compiler" -std=c++20 -O1 -Wall -Wextra -Wpedantic -static -I"$src/src" \
    "$src/tests/platform/windows/windows_registry_test.cpp" \
    "$src/src/platform/windowsregistry.cpp" \
    "$src/src/platform/registryvalue.cpp" \
    "$src/src/dialogs/systeminfo.cpp" \
    -ladvapi32 -o "$out/windows_registry_test.exe" || exit 1

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if ! timeout 300 "$loader" cmd /c exit 0 >/dev/null 2>&1; then
    echo "SKIP: wine cannot start here"
    exit 77
fi
timeout 300 "$loader" "$out/windows_registry_test.exe" 2>/dev/null | tr -d '\r'
exit "${PIPESTATUS[0]}"
