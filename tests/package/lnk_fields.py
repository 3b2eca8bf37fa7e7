#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) holds, one NAME=VALUE a line: the target's local path,
the icon index and the strings (description, relative path, working folder, arguments, icon).

    lnk_fields.py SHORTCUT.lnk
"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x01, 0x02, 0x80
STRINGS = [(0x04, "description"), (0x08, "relative_path"), (0x10, "working_dir"),
           (0x20, "arguments"), (0x40, "icon_location")]


def main() -> None:
    with open(sys.argv[1], "rb") as link:
        data = link.read()
    flags, = struct.unpack_from("<I", data, 20)
    icon_index, = struct.unpack_from("<i", data, 56)
    print(f"icon_index={icon_index}")
    offset = 76
    if flags & HAS_ID_LIST:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if flags & HAS_LINK_INFO:
        size, = struct.unpack_from("<I", data, offset)
        base, = struct.unpack_from("<I", data, offset + 16)
        path = data[offset + base:data.index(b"\0", offset + base)]
        print(f"target={path.decode('latin-1')}")
        offset += size
    width = 2 if flags & IS_UNICODE else 1
    for bit, name in STRINGS:
        if flags & bit:
            count, = struct.unpack_from("<H", data, offset)
            text = data[offset + 2:offset + 2 + count * width]
            # Wine counts the terminating NUL as well; Windows does not.
            text = text.decode("utf-16-le" if width == 2 else "latin-1").rstrip("\0")
            print(f"{name}={text}")
            offset += 2 + count * width


if __name__ == "__main__":
    main()
