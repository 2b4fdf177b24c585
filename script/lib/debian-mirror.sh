# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Sourced by the scripts that fetch from Debian. host_mirror prints the
# first Debian archive (not the security one) that apt here fetches this
# system's own release from, read from the one-line or the deb822 format.
host_mirror() {
  local codename
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  {
    sed -e 's/\[[^]]*\]//' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      awk -v suite="$codename" '$1 == "deb" && $3 == suite { print $2 }'
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
      awk -v suite="$codename" -v RS= -F '\n' '
        {
          uri = ""; found = 0; enabled = 1
          for (i = 1; i <= NF; i++) {
            if ($i ~ /^URIs:/) { split($i, words, " "); uri = words[2] }
            if ($i ~ /^Suites:/) { n = split($i, words, " "); for (j = 2; j <= n; j++) if (words[j] == suite) found = 1 }
            if ($i ~ /^Enabled: *no/) enabled = 0
          }
          if (found && enabled && uri != "") print uri
        }'
  } | head -n 1
}
