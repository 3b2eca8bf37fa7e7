#!/usr/bin/env python3
"""Packs resources taken out of a program file (wrestool -x --raw) into a .res file, so that
windres reads them back exactly as it reads the compiled resource script.

    resources_to_res.py OUTPUT.res TYPE:NAME:LANGUAGE:FILE...

TYPE, NAME and LANGUAGE are numbers. A program file keeps no memory flags, so each resource gets
the ones windres gives its type when it compiles a script: icons and icon groups are moveable and
discardable, the version record has none.
"""
import struct
import sys

FLAGS = {3: 0x1010, 14: 0x1010, 16: 0x0000}


def entry(rtype: int, name: int, language: int, data: bytes, flags: int) -> bytes:
    header = struct.pack("<II", len(data), 32)
    header += struct.pack("<HHHH", 0xFFFF, rtype, 0xFFFF, name)
    header += struct.pack("<IHHII", 0, flags, language, 0, 0)
    return header + data + b"\0" * (-len(data) % 4)


def main() -> None:
    out = entry(0, 0, 0, b"", 0)  # every .res file opens with an empty entry
    for item in sys.argv[2:]:
        rtype, name, language, path = item.split(":", 3)
        with open(path, "rb") as resource:
            data = resource.read()
        out += entry(int(rtype), int(name), int(language), data, FLAGS[int(rtype)])
    with open(sys.argv[1], "wb") as res:
        res.write(out)


if __name__ == "__main__":
    main()
