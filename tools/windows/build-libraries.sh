#!/bin/sh
# Builds what the Windows program links against, for mingw-w64, from
# Debian's own source packages: libsodium and the parts of qtbase the program
# uses (Core, Gui, Widgets, PrintSupport, Test and the windows platform
# plugin). Everything lands in one cache folder outside the source tree and
# is built only once per version:
#   tools/windows/build-libraries.sh CACHE_DIR
# Prints the prefix the libraries are installed under.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cache=$1
qt_version=$(dpkg-query -W -f '${Version}' qt6-base-dev | sed 's/[+-].*//')
sodium_version=$(dpkg-query -W -f '${Version}' libsodium-dev | sed 's/[+-].*//')
prefix=$cache/qt-$qt_version-sodium-$sodium_version
jobs=$(nproc)
mkdir -p "$cache/src"

if [ ! -e "$prefix/.sodium-done" ]; then
    echo "windows: libsodium $sodium_version for mingw-w64" >&2
    (cd "$cache/src" && ls -d libsodium-$sodium_version*/ >/dev/null 2>&1 || apt-get source -qq libsodium >/dev/null)
    src=$(ls -d "$cache"/src/libsodium-$sodium_version*/ | head -1)
    rm -rf "$cache/build-sodium" && mkdir -p "$cache/build-sodium"
    (cd "$src" && [ -x configure ] || ./autogen.sh -s >/dev/null 2>&1)
    (cd "$cache/build-sodium" && "$src/configure" -q --host=x86_64-w64-mingw32 --prefix="$prefix" \
        --disable-static --enable-shared CC=x86_64-w64-mingw32-gcc-posix >/dev/null \
        && make -s -j"$jobs" >/dev/null 2>&1 && make -s install >/dev/null)
    touch "$prefix/.sodium-done"
fi

if [ ! -e "$prefix/.qt-done" ]; then
    echo "windows: qtbase $qt_version for mingw-w64 (about half an hour on two cores)" >&2
    (cd "$cache/src" && ls -d qt6-base-$qt_version*/ >/dev/null 2>&1 || apt-get source -qq qt6-base >/dev/null)
    src=$(ls -d "$cache"/src/qt6-base-$qt_version*/ | head -1)
    rm -rf "$cache/build-qt"
    # Only what the program loads. Debian's source leaves out the tablet
    # header wintab.h, hence no tablet events; the windows platform plugin
    # of 6.4 does not build without OpenGL, so it stays (dynamic).
    cmake -S "$src" -B "$cache/build-qt" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DVELMORWICK_WINDOWS_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF -DFEATURE_opengl_dynamic=ON \
        -DFEATURE_sql_sqlite=OFF -DFEATURE_testlib_selfcover=OFF -DFEATURE_itemmodeltester=OFF \
        > "$cache/qt-configure.log" 2>&1 || { tail -30 "$cache/qt-configure.log" >&2; exit 1; }
    cmake --build "$cache/build-qt" --parallel "$jobs" > "$cache/qt-build.log" 2>&1 || {
        grep -m5 -B2 -A5 "error" "$cache/qt-build.log" >&2; exit 1; }
    cmake --install "$cache/build-qt" > /dev/null
    rm -rf "$cache/build-qt"
    touch "$prefix/.qt-done"
fi
echo "$prefix"
