# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Sourced by the scripts that need the sources alone. source_tree writes the
# tree of the current folder to standard output as a tar stream, without
# version control and without any CMake build folder (one that holds a
# CMakeCache.txt), whatever its name, without the folders of builds,
# packages, releases and their checks (build, build-*), and without the page
# tests' npm packages: no git is needed to tell them apart.
source_tree() {
  tar -C . --exclude-vcs --exclude-tag-all=CMakeCache.txt --exclude=./build --exclude='./build-*' \
    --exclude=./node_modules -cf - .
}

# A build folder configured from another place (the tree moved, or a build
# made where an older Debian 13 root kept the tree) is configured afresh:
# CMake refuses a cache made for other folders.
forget_moved_build() {
  if [ -f "$1/CMakeCache.txt" ] && ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$PWD" "$1/CMakeCache.txt"; then
    rm -rf "$1/CMakeCache.txt" "$1/CMakeFiles"
  fi
}
