# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Sourced by the scripts that set up a machine. install_missing installs
# those of the Debian packages given that are not installed yet, and does
# nothing (quietly) when they all are.
source "$(dirname "${BASH_SOURCE[0]}")/as-root.sh"

# The narrow sans serif of the captions: part of fonts-liberation 1.x up to
# Debian 12, a package of its own from Debian 13 on.
narrow_font_package() {
  case "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" in
    bookworm) echo fonts-liberation ;;
    *) echo fonts-liberation-sans-narrow ;;
  esac
}

install_missing() {
  local package missing=()
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "$(basename "$0"): installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
