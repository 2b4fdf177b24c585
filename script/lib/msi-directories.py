#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT
"""Gives the folders of a wixl-heat fragment ids of their own path.

    wixl-heat ... | msi-directories.py > files.wxs

wixl-heat names each folder with a random id, and each component in a
folder gets its GUID from the ids of the folders above it: two runs would
give two installers that differ, and a rebuild would move every component
in a subfolder. Here a folder's id is "dir" and the SHA-1 of its path under
the installation folder, as wixl-heat names files from theirs.

The top folder (wixl-heat calls it ".") is the installation folder itself:
its files move up into the DirectoryRef.
"""

import hashlib
import sys
import xml.etree.ElementTree as ElementTree

WIX = "http://schemas.microsoft.com/wix/2006/wi"
DIRECTORY = f"{{{WIX}}}Directory"


def directory_id(path):
    return "dir" + hashlib.sha1(path.encode()).hexdigest()[:32].upper()


def name_directories(parent, path):
    for child in parent.findall(DIRECTORY):
        child_path = f"{path}/{child.get('Name')}" if path else child.get("Name")
        child.set("Id", directory_id(child_path))
        name_directories(child, child_path)


def hoist_top_folder(reference):
    for position, child in enumerate(list(reference)):
        if child.tag == DIRECTORY and child.get("Name") == ".":
            reference.remove(child)
            for offset, grandchild in enumerate(child):
                reference.insert(position + offset, grandchild)


def main():
    ElementTree.register_namespace("", WIX)
    tree = ElementTree.parse(sys.stdin)
    for reference in tree.getroot().iter(f"{{{WIX}}}DirectoryRef"):
        hoist_top_folder(reference)
        name_directories(reference, "")
    tree.write(sys.stdout.buffer, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
