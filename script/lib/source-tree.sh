# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Sourced by the scripts that need the sources alone. source_tree writes the
# tree of the current folder to standard output as a tar stream, without
# version control and without any CMake build folder (one that holds a
# CMakeCache.txt), whatever its name, without the Windows build and its
# packages, and without the page tests' npm packages: no git is needed to
# tell them apart.
source_tree() {
  tar -C . --exclude-vcs --exclude-tag-all=CMakeCache.txt --exclude=./build-windows --exclude=./node_modules -cf - .
}
