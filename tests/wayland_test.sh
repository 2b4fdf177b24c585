#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT
# Starts the program ($1) under a headless Wayland compositor, with no X
# display, as on a Wayland-only desktop, and checks that it opens its
# window with its title and stays up.
set -euo pipefail
program=$1
title='Prototype des fonctions en C++'

runtime=$(mktemp -d)  # private (0700), as Wayland wants its runtime folder
compositor='' app=''
finish() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$compositor" ] && kill "$compositor" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap finish EXIT
export XDG_RUNTIME_DIR=$runtime XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-cxxproto
unset DISPLAY QT_QPA_PLATFORM

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
  [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
  sleep 0.1
done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || { echo "weston did not start:"; cat "$runtime/weston.log"; exit 1; }

# The client's side of the protocol shows the title the window asks for.
WAYLAND_DEBUG=client "$program" 2>"$runtime/program.log" &
app=$!
for _ in $(seq 100); do
  grep -qF "set_title(\"$title\")" "$runtime/program.log" && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
sleep 1
if ! kill -0 "$app" 2>/dev/null; then
  echo "the program ended under Wayland:"; grep -v '^\[' "$runtime/program.log" | tail -20; exit 1
fi
grep -qF "set_title(\"$title\")" "$runtime/program.log" || { echo "no window titled \"$title\""; exit 1; }
echo "up under Wayland with the title \"$title\""
