#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there with the desktop's
# validators. Usage: install_check.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/tavrel"
test -f "$prefix/share/icons/hicolor/scalable/apps/tavrel.svg"
desktop=$prefix/share/applications/tavrel.desktop
desktop-file-validate "$desktop"
grep -qx 'Exec=tavrel %f' "$desktop"
grep -qx 'MimeType=text/vcard;text/x-vcard;text/csv;' "$desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tavrel.Tavrel.metainfo.xml"
# The manual page is installed and renders without a warning.
man=$prefix/share/man/man1/tavrel.1
test -f "$man"
grep -q 'envelopes' "$man"
warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$man" 2>&1)
[ -z "$warnings" ] || { echo "tavrel.1: $warnings"; exit 1; }
echo "installed and valid"
