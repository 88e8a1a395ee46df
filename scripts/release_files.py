#!/usr/bin/env python3
"""The release's files, made so that the same inputs give the same bytes.

  release_files.py ready EXE
      pads the executable with zeros to a multiple of 8 bytes and writes its
      header checksum: a signature is then appended without padding, and the
      executable with its signature removed is this one again, byte for byte.
  release_files.py zip ARCHIVE FILE...
      packs the files, in the order given, under their own names, each dated
      SOURCE_DATE_EPOCH (UTC), as a plain readable file; .txt and .md files
      with CR LF line ends, as Windows' editors expect.
"""
import os
import struct
import sys
import time
import zipfile


def ready(exe):
    data = bytearray(open(exe, "rb").read())
    data += b"\0" * (-len(data) % 8)
    at = struct.unpack_from("<I", data, 0x3C)[0] + 88
    struct.pack_into("<I", data, at, 0)
    # The PE checksum: the 16-bit words summed with their carries folded
    # back, plus the file's length.
    total = 0
    for (word,) in struct.iter_unpack("<H", data):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    struct.pack_into("<I", data, at, total + len(data))
    open(exe, "wb").write(data)


def pack(archive, files):
    when = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
    with zipfile.ZipFile(archive, "w") as z:
        for path in files:
            data = open(path, "rb").read()
            if path.endswith((".txt", ".md")):
                data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
            entry = zipfile.ZipInfo(os.path.basename(path), date_time=when)
            entry.create_system = 3
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(entry, data, compresslevel=9)


if __name__ == "__main__":
    if sys.argv[1] == "ready":
        ready(sys.argv[2])
    else:
        pack(sys.argv[2], sys.argv[3:])
