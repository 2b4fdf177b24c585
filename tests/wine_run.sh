#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT
# Runs a Windows program of the build under Wine, for CTest. Wine keeps
# this environment's QT_ variables from Windows programs and gives them the
# WINEQT_ ones under the QT_ names instead, so the tests' QT_ settings are
# passed on that way. Without a console, a Qt Test program would write its
# results to the debugger's log: it is told to write them out. A Wine
# prefix is made on first use, its background programs started away from
# the output, which CTest reads to its end. Windows programs end their
# lines with CR LF; CTest reads them (the GoogleTest list, say) as a Linux
# program's.
set -euo pipefail
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export QT_FORCE_STDERR_LOGGING=1
for name in $(compgen -e); do
  if [[ $name == QT_* ]]; then export "WINE$name=${!name}"; fi
done
if [ -n "${WINEPREFIX:-}" ] && [ ! -d "$WINEPREFIX" ]; then wineboot --init >/dev/null 2>&1; fi
wine "$@" 2> >(tr -d '\r' >&2) | tr -d '\r'
exit "${PIPESTATUS[0]}"
