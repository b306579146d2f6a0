#!/usr/bin/env python3
"""pack_zip.py <zip> <name>=<file> ...

Packs the files into a new zip under the given names, in the given order, so that the same files
give the same bytes on every machine: every entry carries the same time (SOURCE_DATE_EPOCH when it
is set, otherwise 1 January 1980, the earliest a zip can hold), the same attributes and no extra
fields (no owner, no host times), and is compressed at one fixed level."""
import os
import sys
import time
import zipfile


def entry_time():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        return (1980, 1, 1, 0, 0, 0)
    stamp = time.gmtime(max(int(epoch), 315532800))  # a zip cannot hold times before 1980
    return stamp[:5] + (stamp[5] - stamp[5] % 2,)     # and counts seconds in twos


def main(zip_path, pairs):
    stamp = entry_time()
    part = zip_path + ".part"
    with zipfile.ZipFile(part, "w") as archive:
        for pair in pairs:
            name, source = pair.split("=", 1)
            info = zipfile.ZipInfo(name, stamp)
            info.create_system = 0                # made on "MS-DOS": attributes are DOS ones
            info.external_attr = 0x20             # archive bit only, as Windows sets it
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(source, "rb") as f:
                archive.writestr(info, f.read(), compresslevel=9)
    os.replace(part, zip_path)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
