#!/usr/bin/env python3
"""Packs a language's catalog for vesko.exe (settings/packed_catalog.h): the translations
of a .mo file made by msgfmt, in the order po/vesko.pot lists their English (the program
holds that already), deflated after that English, in UTF-8 or UTF-16, whichever is smaller
for the language.

Usage: pack_catalog.py OUT CATALOG.mo TEMPLATE.pot
"""
import pathlib
import re
import struct
import sys
import zlib

ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


def template_keys(pot):
    """Each text's key in a template's order, as .mo files key them: the msgid, after its
    msgctxt and a \\x04 where it has one. The header is left out."""
    keys, parts, current = [], {}, None
    for line in pathlib.Path(pot).read_text(encoding="utf-8").splitlines():
        match = re.fullmatch(r'(msgctxt |msgid |msgstr |)"(.*)"', line)
        if not match:
            continue
        keyword = match.group(1).strip()
        text = re.sub(r"\\(.)", lambda escape: ESCAPES[escape.group(1)], match.group(2))
        if keyword == "msgstr":
            if parts.get("msgid"):
                keys.append("\x04".join(filter(None, (parts.get("msgctxt"), parts["msgid"]))))
            parts, current = {}, None
        elif keyword:
            current = keyword
            parts[current] = text
        elif current:
            parts[current] += text
    return keys


def translations(mo):
    """English to translation, as msgfmt compiled them (little-endian, as on our builders)."""
    data = pathlib.Path(mo).read_bytes()
    magic, _, count, originals, translated = struct.unpack_from("<5I", data)
    if magic != 0x950412DE:
        sys.exit(f"{mo}: not a little-endian .mo file")

    def text(table, index):
        length, offset = struct.unpack_from("<2I", data, table + 8 * index)
        return data[offset:offset + length].decode("utf-8")

    return {text(originals, i): text(translated, i) for i in range(count)}


def list_hash(keys):
    """settings/packed_catalog.cpp's ListHash: FNV-1a over UTF-16 code units, 0 after each."""
    value = 2166136261
    for key in keys:
        encoded = key.encode("utf-16-le")
        for unit in struct.unpack(f"<{len(encoded) // 2}H", encoded) + (0,):
            value = ((value ^ unit) * 16777619) & 0xFFFFFFFF
    return value


def deflated(data, dictionary):
    """Raw deflate, with no zlib header, starting from `dictionary`."""
    packer = zlib.compressobj(9, zlib.DEFLATED, -15, 9, zlib.Z_DEFAULT_STRATEGY, dictionary)
    return packer.compress(data) + packer.flush()


def main(out, mo, pot):
    keys = template_keys(pot)
    found = translations(mo)
    if any("\0" in text for text in found.values()):
        sys.exit(f"{mo}: a translation holds a zero, which ends texts in the packed form")
    choices = []
    for kind, encoding in ((0, "utf-8"), (1, "utf-16-le")):
        ended = "".join(found.get(key, "") + "\0" for key in keys).encode(encoding)
        dictionary = "".join(key + "\0" for key in keys).encode(encoding)
        header = struct.pack("<IHH", list_hash(keys), len(keys), kind)
        choices.append(header + deflated(ended, dictionary))
    pathlib.Path(out).write_bytes(min(choices, key=len))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
