#!/usr/bin/env bash
# Installs the build into a throwaway root and checks that every file lands in
# its standard place under the prefix, then validates the desktop entry, the
# AppStream metainfo and the manual page as installed.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

failed=0
for f in games/velmo \
         share/applications/org.velmo.Velmo.desktop \
         share/metainfo/org.velmo.Velmo.metainfo.xml \
         share/man/man6/velmo.6 \
         share/doc/velmo/copyright share/doc/velmo/changelog \
         share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256,512x512}/apps/org.velmo.Velmo.png \
         share/icons/hicolor/scalable/apps/org.velmo.Velmo.svg; do
  if [[ ! -s "$root/usr/$f" ]]; then
    echo "missing: /usr/$f"
    failed=1
  fi
done
for size in 16 32 48 64 128 256 512; do
  # A PNG's width and height stand at bytes 16 to 23 of its header.
  dims=$(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.velmo.Velmo.png" | tr -s ' ')
  want=$(printf ' %d %d %d %d' 0 0 $((size / 256)) $((size % 256)))
  if [[ "$dims" != "$want$want" ]]; then
    echo "icon ${size}x${size} has the wrong size:$dims"
    failed=1
  fi
done
desktop-file-validate "$root/usr/share/applications/org.velmo.Velmo.desktop" || failed=1
# Pedantic, with one note allowed: the upper case of the reverse-DNS id, which
# is how desktop ids are written. An AppStream before 1.0 (Debian 12's) does
# not know <developer> yet, which 1.0 asks for in place of <developer_name>,
# and says so; nothing else.
allowed='cid-contains-uppercase-letter'
appstream=$(appstreamcli --version | sed -n 's/.*version: *\([0-9]*\)\..*/\1/p')
((appstream >= 1)) || allowed+='|unknown-tag developer$'
notes=$(appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/org.velmo.Velmo.metainfo.xml" 2>&1 |
  grep -E '^[EWIP]: ' | grep -vE "$allowed" || true)
if [[ -n "$notes" ]]; then
  echo "$notes"
  failed=1
fi
sections=$(grep -E '^\.SH ' "$root/usr/share/man/man6/velmo.6" | tr '\n' '|')
if [[ "$sections" != ".SH NAME|.SH SYNOPSIS|.SH DESCRIPTION|.SH OPTIONS|.SH EXIT STATUS|.SH FILES|.SH SEE ALSO|" ]]; then
  echo "man page sections: $sections"
  failed=1
fi
version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/usr/share/metainfo/org.velmo.Velmo.metainfo.xml")
head -n 1 "$root/usr/share/man/man6/velmo.6" | grep -q "\"Velmo $version\"" || { echo "man page and metainfo disagree on the version"; failed=1; }
if ((failed)); then
  echo "0 passed, 1 failed"
  exit 1
fi
echo "install layout, desktop entry, metainfo and man page: 1 passed, 0 failed"
