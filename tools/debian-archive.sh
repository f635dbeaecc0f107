#!/bin/sh
# Prints where this machine installs Debian's packages from: the archive of
# its own APT sources that serves its release (VERSION_CODENAME in
# /etc/os-release). A brand-new root of any Debian release is made from the
# same archive, so this repository names none.
set -eu
. /etc/os-release
site=$(apt-get indextargets --format '$(SITE)' "Release: ${VERSION_CODENAME:?}" "Created-By: Packages" \
    "Origin: Debian" 2>/dev/null | head -1)
[ -n "$site" ] || { echo "no APT source of Debian $VERSION_CODENAME on this machine" >&2; exit 1; }
echo "$site"
