# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Sourced by the scripts that change the system. as_root runs its command
# as root: directly for root, through sudo for anyone else.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "$(basename "$0"): this needs root: run it as root, or install sudo." >&2
    return 1
  fi
}
