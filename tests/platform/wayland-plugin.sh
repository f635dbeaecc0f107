#!/bin/sh
# Unpacks Qt's Wayland plugin, with the libraries it needs, from this
# machine's own package sources into a scratch prefix ($1/root), so that the
# program can be tried as a native Wayland client while the system itself
# keeps no plugin. Where the plugin is installed already, or cannot be
# fetched, it leaves no prefix and the native case is skipped or runs on the
# system's plugin.
set -u
dest=$1
rm -rf "$dest" && mkdir -p "$dest" && cd "$dest" || exit 1
dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q "install ok installed" && exit 0
apt-get download -q qt6-wayland libqt6waylandclient6 libqt6wlshellintegration6 \
  libqt6waylandeglclienthwintegration6 >download.log 2>&1 || { echo "not fetched: see $dest/download.log"; exit 0; }
for package in ./*.deb; do dpkg-deb -x "$package" root; done
ls -d root/usr/lib/*/qt6/plugins/platforms
