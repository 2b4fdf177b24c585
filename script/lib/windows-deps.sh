# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Sourced by the Windows build (script/lib/windows-build.sh), on Debian 13,
# from the top of the tree.
# windows_qt and windows_gtest print the prefix of Qt and of GoogleTest
# cross-built for 64-bit Windows by mingw-w64 from Debian's own sources
# (qt6-base of the host Qt's version, and googletest's /usr/src), building
# them first when the cache holds no build of the same sources, compiler
# and options. A build is complete once its .complete file is written.

source script/lib/debian-mirror.sh

windows_cache=${XDG_CACHE_HOME:-$HOME/.cache}/cxxproto/windows
windows_toolchain=$PWD/cmake/mingw-w64-x86_64.cmake

# Only what the program and its tests need: Core, Gui, Widgets and Test,
# the third-party libraries built in, as a Windows user has none of them.
# Debian's repacked tarball has no wintab, hence no tablet events; the
# DirectWrite font database needs direct2d, but not its own platform plugin.
qt_options=(
  -release -shared -opensource -confirm-license -nomake examples -nomake tests
  -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
  -no-icu -no-glib -no-opengl -no-feature-vulkan -no-dbus
  -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport -no-feature-concurrent
  -no-feature-tabletevent -feature-direct2d -no-feature-direct2d1_1
)

package_version() { dpkg-query -W -f='${Version}' "$1"; }

# A short digest of what shapes a build: the versions of the packages given,
# the options and the toolchain file.
build_key() {
  local package
  {
    for package in "$@"; do echo "$package $(package_version "$package")"; done
    printf '%s\n' "${qt_options[@]}"
    cat "$windows_toolchain"
  } | sha256sum | cut -c1-12
}

# Drops the builds of one kind that the current one replaces.
drop_other_builds() {
  local kind=$1 current=$2 build
  for build in "$windows_cache/$kind"-*; do
    [ "$build" = "$current" ] || [ ! -e "$build" ] || rm -rf "$build"
  done
}

compilers=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev)

windows_qt() {
  local version prefix
  version=$(package_version qt6-base-dev)
  prefix=$windows_cache/qt-${version%%+*}-$(build_key qt6-base-dev "${compilers[@]}")
  if [ ! -f "$prefix/.complete" ]; then
    build_windows_qt "$version" "$prefix" >&2 || return 1
    drop_other_builds qt "$prefix"
  fi
  echo "$prefix"
}

# Fetches Debian's qt6-base source package of the given version into the
# current folder and unpacks it, Debian's patches applied, into qt6-base/.
# apt works from a state of its own here, so that the system's sources
# need no deb-src line.
fetch_qt_source() {
  local version=$1 codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mkdir -p apt/lists/partial apt/cache/archives/partial
  echo "deb-src $(host_mirror) $codename main" >apt/sources.list
  local apt_state=(-o Dir::Etc::SourceList="$PWD/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
                   -o Dir::State::Lists="$PWD/apt/lists" -o Dir::Cache="$PWD/apt/cache" -o APT::Sandbox::User=root)
  apt-get "${apt_state[@]}" update -qq
  apt-get "${apt_state[@]}" source --download-only -qq "qt6-base=$version"
  dpkg-source -x qt6-base_*.dsc qt6-base >/dev/null
}

# Keeps in the Qt build what its packages' licence notices are made from:
# the licence texts, copyright files and third-party attributions of the
# source package, its Debian copyright file and version, and every file
# each Qt library was compiled from, headers included, as "library file"
# lines.
keep_qt_notices() {
  local source=$1 build=$2 prefix=$3 version=$4 notices=$3/notices
  mkdir -p "$notices/source"
  echo "qt6-base $version" >"$notices/source-package"
  (cd "$source" && find LICENSES debian/copyright -type f -exec cp --parents {} "$notices/source/" \; &&
    find src \( -name qt_attribution.json -o -iname '*licen[cs]e*' -o -iname 'copying*' -o -iname 'copyright*' \) \
      -type f -exec cp --parents {} "$notices/source/" \;)
  ninja -C "$build" -t deps | awk -v source="$source/" -v build="$build/" '
    /^[^ ]/ { library = ""; if (match($0, /CMakeFiles\/[^\/:]+\.dir\//)) library = substr($0, RSTART + 11, RLENGTH - 16) }
    /^ / && library != "" {
      file = $1
      if (index(file, source) == 1) print library, substr(file, length(source) + 1)
      else if (index(file, build) == 1) print library, substr(file, length(build) + 1)
    }' | sort -u >"$notices/compiled-files.txt"
}

build_windows_qt() {
  local version=$1 prefix=$2 work start=$SECONDS
  echo "test-windows: building Qt $version for Windows into $prefix (about 25 minutes on 2 cores)"
  work=$(mktemp -d -p "${TMPDIR:-/var/tmp}" cxxproto-qt.XXXXXX)
  rm -rf "$prefix"
  (
    set -e
    cd "$work"
    fetch_qt_source "$version"
    mkdir build
    cd build
    ../qt6-base/configure -prefix "$prefix" -qt-host-path /usr "${qt_options[@]}" -- \
      -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      >../configure.log 2>&1 || { tail -n 40 ../configure.log; exit 1; }
    cmake --build . --parallel >../build.log 2>&1 || { grep -m 20 -B 5 -A 5 'error' ../build.log; exit 1; }
    cmake --install . >/dev/null
    keep_qt_notices "$work/qt6-base" "$work/build" "$prefix" "$version"
  ) || { rm -rf "$work"; return 1; }
  rm -rf "$work"
  touch "$prefix/.complete"
  echo "test-windows: Qt built in $(((SECONDS - start) / 60)) min, $(du -sh "$prefix" | cut -f1)"
}

windows_gtest() {
  local prefix
  prefix=$windows_cache/gtest-$(build_key googletest "${compilers[@]}")
  if [ ! -f "$prefix/.complete" ]; then
    echo "test-windows: building GoogleTest for Windows" >&2
    rm -rf "$prefix" "$prefix.build"
    (
      set -e
      cmake -S /usr/src/googletest -B "$prefix.build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DCMAKE_INSTALL_PREFIX="$prefix"
      cmake --build "$prefix.build"
      cmake --install "$prefix.build"
    ) >/dev/null || return 1
    rm -rf "$prefix.build"
    touch "$prefix/.complete"
    drop_other_builds gtest "$prefix"
  fi
  echo "$prefix"
}
