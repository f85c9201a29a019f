#!/usr/bin/env bash
# Installs the build into a throwaway root and checks that every file lands in
# its standard place under the prefix, then validates the desktop entry and
# the AppStream metainfo as installed.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

failed=0
for f in bin/velmo \
         share/applications/org.velmo.Velmo.desktop \
         share/metainfo/org.velmo.Velmo.metainfo.xml \
         share/man/man6/velmo.6.gz \
         share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128}/apps/org.velmo.Velmo.png; do
  if [[ ! -s "$root/usr/$f" ]]; then
    echo "missing: /usr/$f"
    failed=1
  fi
done
for size in 16 32 48 64 128; do
  # A PNG's width and height stand at bytes 16 to 23 of its header.
  dims=$(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.velmo.Velmo.png" | tr -s ' ')
  if [[ "$dims" != " 0 0 0 $size 0 0 0 $size" ]]; then
    echo "icon ${size}x${size} has the wrong size:$dims"
    failed=1
  fi
done
desktop-file-validate "$root/usr/share/applications/org.velmo.Velmo.desktop" || failed=1
appstreamcli validate --no-net "$root/usr/share/metainfo/org.velmo.Velmo.metainfo.xml" || failed=1
zcat "$root/usr/share/man/man6/velmo.6.gz" | grep -q '^\.TH VELMO 6' || { echo "man page is not in section 6"; failed=1; }
if ((failed)); then
  echo "0 passed, 1 failed"
  exit 1
fi
echo "install layout, desktop entry, metainfo and man page: 1 passed, 0 failed"
