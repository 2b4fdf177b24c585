# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Sourced by script/test-windows and script/package-windows, from the top of
# the tree. Their Windows build needs Debian 13, whose Qt 6.8 LTS sources,
# mingw-w64 and host Qt it is made with: on any other system, in_debian13
# runs the calling script again in a fresh Debian 13 root (script/test-debian13),
# build-windows/ bound into it so that what it makes stays here. Then
# on_a_virtual_screen installs the packages the build needs (and those it is
# given), and runs the script again inside xvfb-run: Wine keeps a
# connection to the screen it first started on, so a whole run needs one.
in_debian13() {
  if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" != trixie ]; then
    mkdir -p build-windows
    exec script/test-debian13 --keep build-windows "script/$(basename "$0")"
  fi
}

windows_packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev cmake ninja-build dpkg-dev xz-utils
  qt6-base-dev qt6-translations-l10n googletest librsvg2-bin icoutils
  wine wine64 xvfb xauth xdotool fontconfig fonts-liberation fonts-liberation-sans-narrow
)

on_a_virtual_screen() {
  source script/lib/packages.sh
  install_missing "${windows_packages[@]}" "$@"
  if [ -z "${CXXPROTO_SCREEN:-}" ]; then
    exec env CXXPROTO_SCREEN=1 xvfb-run -a -s "-screen 0 1280x1024x24" "script/$(basename "$0")"
  fi
}

# Builds each configuration given (Debug, Release) in build-windows/debug/ or
# build-windows/release/, then leaves the Release program, ready to run, in
# build-windows/app/.
build_windows() {
  source script/lib/windows-deps.sh
  source script/lib/source-tree.sh
  local qt gtest config build werror=OFF
  qt=$(windows_qt)
  gtest=$(windows_gtest)
  [ -n "${CI:-}" ] && werror=ON
  for config in "$@"; do
    build=build-windows/${config,,}
    forget_moved_build "$build"
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$config" -DCXXPROTO_WERROR="$werror" \
      -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DCMAKE_PREFIX_PATH="$qt;$gtest" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tests/wine_run.sh" >/dev/null
    cmake --build "$build"
  done
  rm -rf build-windows/app
  cmake --install build-windows/release --prefix build-windows/app --strip >/dev/null
  find build-windows/app -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
}

# Wine's settings for a run: no prompt to install Wine's .NET or browser,
# no debugging chatter.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
