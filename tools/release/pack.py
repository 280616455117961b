#!/usr/bin/env python3
"""pack.py FOLDER ZIP EPOCH — packs FOLDER into ZIP under the folder's own
name, so that the same files always give the same bytes: entries in the
order of their names, every one stamped with EPOCH (the commit's time, in
UTC), fixed permissions and system, the same compression."""

import os
import sys
import time
import zipfile

ZIP_EARLIEST = 315532800  # 1980-01-01, the first time a zip entry can hold


def entries(folder):
    """(name in the zip, path on disk or None for a folder), sorted."""
    top = os.path.basename(os.path.normpath(folder))
    found = [(top + "/", None)]
    for where, folders, files in os.walk(folder):
        rel = os.path.relpath(where, folder)
        prefix = top + "/" + ("" if rel == "." else rel.replace(os.sep, "/") + "/")
        found += [(prefix + f + "/", None) for f in folders]
        found += [(prefix + f, os.path.join(where, f)) for f in files]
    return sorted(found)


def main():
    folder, out, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
    stamp = time.gmtime(max(epoch, ZIP_EARLIEST))[:6]
    partial = out + ".partial"
    with zipfile.ZipFile(partial, "w") as z:
        for name, path in entries(folder):
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.create_system = 3  # Unix, whatever system packs it
            if path is None:
                info.external_attr = (0o40755 << 16) | 0x10
                z.writestr(info, b"")
                continue
            info.external_attr = (0o100755 if name.endswith(".exe") else 0o100644) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                z.writestr(info, f.read(), compresslevel=9)
    os.replace(partial, out)


if __name__ == "__main__":
    main()
