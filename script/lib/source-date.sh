# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Sourced by the scripts that make packages. Every date that goes into a
# package is SOURCE_DATE_EPOCH: as given, or the time of the last commit, or,
# in a tree exported without git, the date of the Debian changelog's entry.
source_date_epoch() {
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
  elif git rev-parse --git-dir >/dev/null 2>&1; then
    git log -1 --format=%ct
  else
    date -d "$(sed -n 's/^ -- .*>  //p' data/deb/changelog.in | head -n 1)" +%s
  fi
}
SOURCE_DATE_EPOCH=$(source_date_epoch)
export SOURCE_DATE_EPOCH
