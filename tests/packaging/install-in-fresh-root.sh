#!/bin/sh
# The Debian package on a brand-new minimal root of a Debian release (the
# one it was built on): it installs with the dependencies it names, answers
# --version, starts and shows its main window (on this machine's virtual
# display, through the X socket), and leaves nothing of itself once removed.
# Needs root (debootstrap, chroot). The archive is the one this machine's own
# APT sources install from.
#   tests/packaging/install-in-fresh-root.sh PACKAGE.deb RELEASE
set -eu
deb=$(readlink -f "$1")
release=$2
if [ "$(id -u)" -ne 0 ]; then echo "SKIP: debootstrap and chroot need root"; exit 0; fi
mirror=${DEBIAN_MIRROR:-$(sh "$(dirname "$0")/../../tools/debian-archive.sh")}
root=$(mktemp -d /var/tmp/velmorwick-root.XXXXXX)
chmod 0755 "$root" # services in the root that run as other users (apt's _apt) need to enter it
work=$(mktemp -d)
cleanup() {
    [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
    umount "$root/tmp/.X11-unix" "$root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$root" "$work"
}
trap cleanup EXIT INT TERM

echo "package test: a minimal Debian $release root"
debootstrap --variant=minbase "$release" "$root" "$mirror" > "$work/debootstrap.log" 2>&1 || {
    tail -20 "$work/debootstrap.log"; exit 1; }
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/velmorwick.deb"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

echo "package test: install"
in_root apt-get install -y -qq --no-install-recommends /tmp/velmorwick.deb > "$work/install.log" 2>&1 || {
    tail -20 "$work/install.log"; exit 1; }
in_root dpkg -L velmorwick > "$work/files"
for expected in /usr/bin/velmorwick /usr/share/applications/org.velmorwick.Velmorwick.desktop \
    /usr/share/metainfo/org.velmorwick.Velmorwick.metainfo.xml /usr/share/icons/hicolor/48x48/apps/velmorwick.png \
    /usr/share/icons/hicolor/scalable/apps/velmorwick.svg /usr/share/man/man1/velmorwick.1.gz; do
    grep -qx "$expected" "$work/files" || { echo "FAIL: the package does not hold $expected"; exit 1; }
done

echo "package test: --version"
version=$(in_root velmorwick --version)
[ "$version" = "velmorwick $(dpkg-deb -f "$deb" Version)" ] || { echo "FAIL: --version said '$version'"; exit 1; }

echo "package test: the main window"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
until [ -s "$work/display" ]; do sleep 0.1; done
display=:$(cat "$work/display")
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root DISPLAY="$display" XDG_RUNTIME_DIR=/tmp velmorwick \
    > "$work/program.log" 2>&1 &
program=$!
found=""
for _ in $(seq 1 100); do
    found=$(DISPLAY=$display xdotool search --onlyvisible --name '^Velmorwick! v3.0$' 2>/dev/null || true)
    [ -n "$found" ] && break
    sleep 0.1
done
[ -n "$found" ] || { echo "FAIL: no main window"; cat "$work/program.log"; exit 1; }
kill "$program"; wait "$program" 2>/dev/null || true
program=""
umount "$root/tmp/.X11-unix"

echo "package test: remove"
in_root apt-get purge -y -qq velmorwick > "$work/purge.log" 2>&1 || { tail -20 "$work/purge.log"; exit 1; }
while read -r path; do
    case "$path" in /.|/usr|/usr/bin|/usr/share|/usr/share/*/|/usr/share/doc) continue ;; esac
    if [ -f "$root$path" ]; then echo "FAIL: $path is left after removal"; exit 1; fi
done < "$work/files"
echo "package test: passed (installed, --version, main window, removed without a trace)"
