#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT
"""Sets an installer's package code and dates, which wixl takes from chance
and from the clock.

    msi-summary.py MSI EPOCH

EPOCH, in seconds since 1970, becomes the installer's creation and
last-saved dates. The package code is a name-based UUID of the installer
itself, written first with a code of zeros: it changes whenever anything
the installer holds does, and only then. The rest of the installer is
written again by libmsi, unchanged. Debian's python3 runs it: the Libmsi
bindings (gir1.2-libmsi-1.0) are Debian's.
"""

import hashlib
import sys
import uuid

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402

# FILETIME counts tenths of microseconds from 1601-01-01.
SECONDS_FROM_1601_TO_1970 = 11644473600


def stamp(path, package_code, filetime):
    database = Libmsi.Database.new(path, Libmsi.DbFlags.TRANSACT, None)
    summary = Libmsi.SummaryInfo.new(database, 3)
    summary.set_string(Libmsi.Property.UUID, "{" + str(package_code).upper() + "}")
    summary.set_filetime(Libmsi.Property.CREATED_TM, filetime)
    summary.set_filetime(Libmsi.Property.LASTSAVED_TM, filetime)
    summary.persist()
    database.commit()


def main():
    path, epoch = sys.argv[1], int(sys.argv[2])
    filetime = (epoch + SECONDS_FROM_1601_TO_1970) * 10_000_000
    stamp(path, uuid.UUID(int=0), filetime)
    with open(path, "rb") as installer:
        digest = hashlib.sha256(installer.read()).hexdigest()
    stamp(path, uuid.uuid5(uuid.NAMESPACE_URL, digest), filetime)


if __name__ == "__main__":
    main()
