#!/bin/sh
# Enables the source packages of this machine's own Debian release (which
# apt-get source needs) when none are enabled: each enabled 'deb' entry of
# the machine's APT sources whose suite is this release (VERSION_CODENAME in
# /etc/os-release) or one of its updates is copied as a 'deb-src' entry. So
# the sources come from wherever the machine already installs packages, and
# this repository names no archive. Run as root.
set -eu
if apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
    exit 0
fi
. /etc/os-release
release=${VERSION_CODENAME:?/etc/os-release names no release}
list=/etc/apt/sources.list.d/velmorwick-deb-src.list
sources=/etc/apt/sources.list.d/velmorwick-deb-src.sources

# One-line entries: "deb [options] URI SUITE COMPONENT...".
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] && [ "$file" != "$list" ] || continue
    awk -v release="$release" '
        $1 == "deb" {
            suite = ($2 ~ /^\[/) ? 0 : 3
            if (!suite) { for (i = 2; i <= NF; i++) if ($i ~ /\]$/) { suite = i + 2; break } }
            if (suite && ($suite == release || index($suite, release "-") == 1)) { $1 = "deb-src"; print }
        }' "$file"
done > "$list.new"

# deb822 stanzas: Types, URIs, Suites, Components and Signed-By of each.
for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && [ "$file" != "$sources" ] || continue
    awk -v release="$release" '
        function flush() {
            if (types ~ /(^| )deb( |$)/ && enabled != "no") {
                n = split(suites, all, " "); kept = ""
                for (i = 1; i <= n; i++) if (all[i] == release || index(all[i], release "-") == 1) kept = kept " " all[i]
                if (kept != "") {
                    print "Types: deb-src"; print "URIs: " uris; print "Suites:" kept
                    print "Components: " components
                    if (signed != "") print "Signed-By: " signed
                    print ""
                }
            }
            types = uris = suites = components = signed = enabled = ""
        }
        /^#/ { next }
        /^[ \t]*$/ { flush(); next }
        /^[ \t]/ { if (field == "signed-by:") signed = signed "\n" $0; next } # a key written out in full
        { field = tolower($1); sub(/^[^:]*:[ \t]*/, "") }
        field == "types:" { types = $0 } field == "uris:" { uris = $0 } field == "suites:" { suites = $0 }
        field == "components:" { components = $0 } field == "signed-by:" { signed = $0 }
        field == "enabled:" { enabled = tolower($0) }
        END { flush() }' "$file"
done > "$sources.new"

found=no
for made in "$list" "$sources"; do
    if [ -s "$made.new" ]; then mv "$made.new" "$made"; found=yes; else rm -f "$made.new"; fi
done
if [ "$found" = no ]; then
    echo "No APT source of $release to take source packages from: add a 'deb' entry for it first." >&2
    exit 1
fi
echo "Enabled source packages of $release, from this machine's own APT sources."
apt-get update -qq
