#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT
"""Writes THIRD-PARTY.txt and the licences/ folder of a Windows package.

    windows-notices.py PACKAGE_FOLDER QT_NOTICES PROJECT_LICENCE VERSION

PACKAGE_FOLDER holds the program folder (cxxproto.exe, the DLLs, platforms/, styles/,
translations/). QT_NOTICES is the notices/ folder that the cached Qt build
keeps: the licence and attribution files of Debian's qt6-base source and
the files each Qt library was compiled from. Every other component is
traced to the Debian package that installed its file here, whose source
package, version and copyright file are named.
"""

import json
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path, PurePosixPath

# The Qt libraries in the package, as the Qt build names them: the three
# DLLs with the libraries built into them, the two plugins, and the entry
# point linked into cxxproto.exe. Qt Test and the offscreen platform serve
# the tests only.
SHIPPED_QT_LIBRARIES = {
    "Core", "Gui", "Widgets", "QWindowsIntegrationPlugin", "QModernWindowsStylePlugin",
    "EntryPointImplementation", "BundledZLIB", "BundledPcre2", "BundledFreetype",
    "BundledHarfbuzz", "BundledLibpng",
}

# Runtime files that come from Debian packages other than Qt's, with the
# licence of each and what it is.
RUNTIME_COMPONENTS = [
    ("GCC runtime libraries (libstdc++, libgcc)",
     ["libstdc++-6.dll", "libgcc_s_seh-1.dll", "libssp-0.dll"],
     "GPL-3.0-or-later WITH GCC-exception-3.1", ["GPL-3.0-only.txt"]),
    ("MinGW-w64 runtime: winpthreads, and the C runtime start-up code linked into cxxproto.exe",
     ["libwinpthread-1.dll"],
     "MIT AND BSD-3-Clause (winpthreads); ZPL-2.1, MIT and public domain (C runtime)", []),
    ("Qt translations (Qt's own strings in French)",
     ["translations/qtbase_fr.qm"],
     "GPL-3.0-only WITH Qt-GPL-exception-1.0", ["GPL-3.0-only.txt", "Qt-GPL-exception-1.0.txt"]),
]


def debian_package_of(path):
    """The binary package that installed `path`, and its source package with
    its version and the sources it was built with, if any (Built-Using)."""
    owner = subprocess.run(["dpkg-query", "--search", str(path)], capture_output=True, text=True,
                           check=True).stdout.split(":")[0]
    source, built_using = subprocess.run(
        ["dpkg-query", "--show", "--showformat=${source:Package} ${source:Version}\t${Built-Using}", owner],
        capture_output=True, text=True, check=True).stdout.split("\t")
    return owner, source + (f", built from {built_using}" if built_using else "")


def host_origin(file):
    """Where this system's Debian packages installed a runtime file of the package."""
    if file.startswith("translations/"):
        return Path("/usr/share/qt6") / file
    found = subprocess.run(["x86_64-w64-mingw32-g++-posix", f"-print-file-name={file}"],
                           capture_output=True, text=True, check=True).stdout.strip()
    return Path(found).resolve()


def load_attributions(path):
    # Some of Qt's attribution files hold raw line breaks inside strings.
    entries = json.loads(path.read_text(encoding="utf-8"), strict=False)
    return entries if isinstance(entries, list) else [entries]


def words(value):
    if not value:
        return []
    return value.split() if isinstance(value, str) else list(value)


def joined(value):
    return " ".join(value) if isinstance(value, list) else (value or "")


def folder_path(folder, name):
    return PurePosixPath(os.path.normpath(str(PurePosixPath(folder) / name))).as_posix()


def is_used(entry, folder, used_files):
    """Whether the shipped Qt libraries were compiled from what `entry` covers."""
    covered = [folder_path(folder, name) for name in words(entry.get("Files"))] or [folder]
    return any(file == path or file.startswith(path + "/") for path in covered for file in used_files)


class Package:
    def __init__(self, root, qt_notices):
        self.root = root
        self.licences = root / "licences"
        self.qt_source = qt_notices / "source"

    def keep(self, source, name):
        """Copies a licence text into licences/ and returns the name to cite."""
        self.licences.mkdir(exist_ok=True)
        shutil.copyfile(source, self.licences / name)
        return f"licences/{name}"

    def qt_licence_text(self, spdx_id):
        return self.keep(self.qt_source / "LICENSES" / spdx_id, spdx_id)

    def attribution_licences(self, entry, folder):
        files = words(entry.get("LicenseFiles")) or words(entry.get("LicenseFile"))
        files += words(entry.get("CopyrightFile"))
        # One flat folder: src/3rdparty/zlib/LICENSE becomes 3rdparty-zlib-LICENSE.
        cited = [self.keep(self.qt_source / folder_path(folder, name),
                           folder_path(folder, name).removeprefix("src/").replace("/", "-"))
                 for name in files]
        if not cited:  # the licence is one of Qt's shared texts, by its identifier
            for spdx_id in re.findall(r"[A-Za-z0-9.+-]+", entry.get("LicenseId", "")):
                text = self.qt_source / "LICENSES" / f"{spdx_id}.txt"
                if spdx_id not in ("AND", "OR", "WITH") and text.exists():
                    cited.append(self.qt_licence_text(f"{spdx_id}.txt"))
        return cited


def section(title, fields):
    lines = [title]
    lines += [f"  {name}: {value}" for name, value in fields if value]
    return "\n".join(lines)


def main(root, qt_notices, project_licence, version):
    root, qt_notices = Path(root), Path(qt_notices)
    package = Package(root, qt_notices)
    if package.licences.exists():
        shutil.rmtree(package.licences)
    shutil.copyfile(project_licence, root / "LICENSE.txt")
    qt_package = (qt_notices / "source-package").read_text().strip()
    qt_version = qt_package.split()[1].split("+")[0]
    sections = [
        f"cxxproto {version} for Windows: its parts, their versions and licences, and the Debian\n"
        "source packages their code was built from. The licence texts are in the licences folder.",
        section(f"cxxproto {version}", [
            ("Licence", "MIT (LICENSE.txt)"),
            ("Source", "https://github.com/cxxproto/cxxproto")]),
        section(f"Qt {qt_version}: Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms/, styles/", [
            ("Licence", "LGPL-3.0-only (" + package.qt_licence_text("LGPL-3.0-only.txt") +
             ", which builds on " + package.qt_licence_text("GPL-3.0-only.txt") + ")"),
            ("Copyright", package.keep(package.qt_source / "debian/copyright", "qt6-base-copyright.txt")),
            ("Debian source package", qt_package),
            ("Note", "Qt stays in its own DLLs: you may replace them with your own build of Qt " +
             qt_version + ".")]),
    ]

    used_files = set()
    for line in (qt_notices / "compiled-files.txt").read_text().splitlines():
        library, file = line.split(" ", 1)
        if library in SHIPPED_QT_LIBRARIES:
            used_files.add(file)
    for attribution in sorted((qt_notices / "source").rglob("qt_attribution.json")):
        folder = attribution.parent.relative_to(qt_notices / "source").as_posix()
        for entry in load_attributions(attribution):
            if not is_used(entry, folder, used_files):
                continue
            copyright_text = joined(entry.get("Copyright")).strip().replace("\n", " ")
            sections.append(section(f"{entry['Name']} (built into Qt)", [
                ("Version", entry.get("Version")),
                ("Licence", entry.get("LicenseId")),
                ("Licence texts", ", ".join(package.attribution_licences(entry, folder))),
                ("Copyright", copyright_text),
                ("Debian source package", f"{qt_package}, folder {folder}")]))

    for title, files, licence, shared_texts in RUNTIME_COMPONENTS:
        present = [file for file in files if (root / file).exists()]
        if not present:
            continue
        owner, source = debian_package_of(host_origin(present[0]))
        texts = [package.qt_licence_text(text) for text in shared_texts]
        texts.append(package.keep(Path(f"/usr/share/doc/{owner}/copyright").resolve(),
                                  f"{source.split()[0]}-copyright.txt"))
        sections.append(section(f"{title}: {', '.join(present)}", [
            ("Licence", licence),
            ("Licence texts", ", ".join(texts)),
            ("Debian source package", source)]))

    (root / "THIRD-PARTY.txt").write_text("\n\n".join(sections) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
