#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT
# Installs the build in $1 into a temporary DESTDIR and checks that the
# program, its menu entry, icons, metainfo, manual pages and licence land
# where desktops and packagers look for them.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
expected=(
  usr/bin/cxxproto
  usr/share/applications/io.github.cxxproto.cxxproto.desktop
  usr/share/metainfo/io.github.cxxproto.cxxproto.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/cxxproto.svg
  usr/share/icons/hicolor/256x256/apps/cxxproto.png
  usr/share/man/man1/cxxproto.1.gz
  usr/share/man/fr/man1/cxxproto.1.gz
  usr/share/doc/cxxproto/copyright
  usr/share/doc/cxxproto/changelog.Debian.gz
)
for file in "${expected[@]}"; do
  [ -f "$stage/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ -x "$stage/usr/bin/cxxproto" ] || { echo "not executable: usr/bin/cxxproto"; exit 1; }
desktop-file-validate "$stage/usr/share/applications/io.github.cxxproto.cxxproto.desktop"
unexpected=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort | grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)
[ -z "$unexpected" ] || { echo "installed but not expected:"; echo "$unexpected"; exit 1; }
echo "installed: ${expected[*]}"
