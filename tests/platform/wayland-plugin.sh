#!/bin/sh
# Unpacks Qt's Wayland plugin, with the libraries it needs, from this
# machine's own package sources into a scratch prefix ($1/root), so that the
# program can be tried as a native Wayland client while the system itself
# keeps no plugin. Where the plugin is installed already, or cannot be
# fetched, it leaves no prefix and the native case is skipped or runs on the
# system's plugin.
set -u
dest=$1
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
rm -rf "$dest" && mkdir -p "$dest" && cd "$dest" || exit 1
installed qt6-wayland && exit 0
# The plugin, and what it needs that this machine does not have (the names
# differ between releases).
wanted=qt6-wayland
for package in $(apt-cache depends qt6-wayland | awk '$1 == "Depends:" && $2 !~ /^</ { print $2 }'); do
  installed "$package" || wanted="$wanted $package"
done
# shellcheck disable=SC2086 # one word a package
apt-get download -q $wanted >download.log 2>&1 || { echo "not fetched: see $dest/download.log"; exit 0; }
for package in ./*.deb; do dpkg-deb -x "$package" root; done
ls -d root/usr/lib/*/qt6/plugins/platforms
