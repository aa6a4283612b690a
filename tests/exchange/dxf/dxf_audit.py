#!/usr/bin/python3
"""Reads a DXF drawing with ezdxf and prints what the export tests check.

Output lines: "errors N", "fixes N" (recovery and audit together),
"handseed_above_handles yes|no", "owners_exist yes|no", then one line
"count LAYER TYPE N" per layer and entity type of the model space, and
"text LAYER TEXT" per MTEXT (plain text).
"""

import sys
from collections import Counter

from ezdxf import recover


def file_handles(path):
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    seed, handles, section = 0, [], None
    for i in range(0, len(lines) - 1, 2):
        code, value = int(lines[i]), lines[i + 1].decode("gbk")
        if code == 2 and i >= 2 and lines[i - 1] == b"SECTION":
            section = value
        if section == "HEADER" and code == 9 and value == "$HANDSEED":
            seed = int(lines[i + 3].decode(), 16)
        elif section != "HEADER" and code in (5, 105):
            handles.append(int(value, 16))
    return seed, handles


def main(path):
    doc, auditor = recover.readfile(path)
    audit = doc.audit()
    print("errors", len(auditor.errors) + len(audit.errors))
    print("fixes", len(auditor.fixes) + len(audit.fixes))
    for entry in list(auditor.errors) + list(audit.errors) + list(auditor.fixes) + list(audit.fixes):
        print("#", entry.message)
    # The handles as the file holds them (ezdxf adds objects of its own on
    # loading, with handles from the seed on).
    seed, handles = file_handles(path)
    print("handseed_above_handles", "yes" if handles and all(seed > h for h in handles) else "no")
    owners = True
    for entity in doc.entitydb.values():
        owner = entity.dxf.get("owner")
        if owner and owner != "0" and owner not in doc.entitydb:
            owners = False
            print("# dangling owner", entity.dxftype(), entity.dxf.handle, owner)
    print("owners_exist", "yes" if owners else "no")
    counts = Counter((e.dxf.layer, e.dxftype()) for e in doc.modelspace())
    for (layer, kind), n in sorted(counts.items()):
        print("count", layer, kind, n)
    for e in doc.modelspace().query("MTEXT"):
        # Characters beyond U+FFFF come as the escapes of their UTF-16 halves.
        text = e.plain_text().encode("utf-16", "surrogatepass").decode("utf-16")
        print("text", e.dxf.layer, text)


if __name__ == "__main__":
    main(sys.argv[1])
