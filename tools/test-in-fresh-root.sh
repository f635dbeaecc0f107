#!/bin/sh
# The README's set-up on a brand-new minimal root of a Debian release: a
# clean clone of this repository, only make installed, then `make test` (or
# another target), which installs everything else it needs. The archive is
# the one this machine's own APT sources install from. Needs root
# (debootstrap, chroot); CI runs it for Debian 13.
#   tools/test-in-fresh-root.sh RELEASE [TARGET]
set -eu
release=$1
target=${2:-test}
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -ne 0 ]; then echo "fresh root: debootstrap and chroot need root" >&2; exit 1; fi
command -v debootstrap >/dev/null || { echo "fresh root: debootstrap is not installed (make check-deps)" >&2; exit 1; }
mirror=$(sh "$here/tools/debian-archive.sh")
root=$(mktemp -d /var/tmp/velmorwick-$release.XXXXXX)
chmod 0755 "$root" # services in the root that run as other users (apt's _apt) need to enter it
log=$(mktemp)
cleanup() {
    for mounted in dev/pts dev proc sys; do umount "$root/$mounted" 2>/dev/null || true; done
    rm -rf --one-file-system "$root" "$log"
}
trap cleanup EXIT INT TERM

started=$(date +%s)
echo "fresh root: a minimal Debian $release"
debootstrap --variant=minbase "$release" "$root" "$mirror" > "$log" 2>&1 || { tail -20 "$log"; exit 1; }
for mounted in proc sys dev dev/pts; do
    mkdir -p "$root/$mounted"
    case $mounted in
        proc) mount -t proc proc "$root/proc" ;;
        sys) mount -t sysfs sys "$root/sys" ;;
        *) mount --bind "/$mounted" "$root/$mounted" ;;
    esac
done
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
git clone -q "$here" "$root/src/velmorwick"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends make' \
    > "$log" 2>&1 || { tail -20 "$log"; exit 1; }
echo "fresh root: make $target in Debian $release"
in_root sh -c "cd /src/velmorwick && make $target" || { echo "fresh root: make $target failed in Debian $release"; exit 1; }
echo "fresh root: make $target passed in a fresh Debian $release in $(( $(date +%s) - started )) s"
