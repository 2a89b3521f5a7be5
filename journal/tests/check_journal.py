"""Reads a journal folder with dbfread and walks its NDX files on its own.

Prints JSON: the live and the deleted records as dbfread reads them (memo text included),
and for each index the record numbers in the order its tree gives, with every fault found
in the tree's structure, balance or order against a plain sort of the records.
Usage: check_journal.py FOLDER [DATE_ORDER SEPARATOR]   (DATE_ORDER: mdy, dmy or ymd)
"""
import json
import struct
import sys

import dbfread

INDEXES = {
    "date": "date",
    "h1": "h1+h2+dtoc(date)",
    "question": "question",
    "group": "group+dtoc(date)",
    "name": "name+dtoc(date)",
    "h2": "h2+dtoc(date)",
}


def raw_records(path):
    """Record number -> {FIELD: raw bytes}, read straight from the .dbf."""
    data = open(path, "rb").read()
    count, header_length, record_length = struct.unpack_from("<IHH", data, 4)
    fields, p = [], 32
    while data[p] != 0x0D:
        name = data[p:p + 11].split(b"\0")[0].decode("ascii")
        fields.append((name, data[p + 16]))
        p += 32
    records = {}
    for r in range(count):
        rec = data[header_length + r * record_length:header_length + (r + 1) * record_length]
        values, offset = {}, 1
        for name, length in fields:
            values[name] = rec[offset:offset + length]
            offset += length
        records[r + 1] = values
    return records


def julian(stamp):
    if not stamp.strip():
        return 0.0
    y, m, d = int(stamp[:4]), int(stamp[4:6]), int(stamp[6:8])
    a = (14 - m) // 12
    yy, mm = y + 4800 - a, m + 12 * a - 3
    return float(d + (153 * mm + 2) // 5 + 365 * yy + yy // 4 - yy // 100 + yy // 400 - 32045)


def dtoc(stamp, order, sep):
    if not stamp.strip():
        parts = {"d": b"  ", "m": b"  ", "y": b"    "}
    else:
        parts = {"d": stamp[6:8], "m": stamp[4:6], "y": stamp[:4]}
    return sep.join(parts[c] for c in order)


def key_of(expression, values, order, sep):
    if expression == "date":
        return julian(values["DATE"])
    key = b""
    for term in expression.split("+"):
        if term.startswith("dtoc("):
            key += dtoc(values[term[5:-1].upper()], order, sep)
        else:
            key += values[term.upper()]
    return key


def walk_ndx(path, errors):
    data = open(path, "rb").read()
    root, total = struct.unpack_from("<II", data, 0)
    key_length, max_keys, key_type, entry_size = struct.unpack_from("<HHHH", data, 12)
    expression = data[24:data.index(b"\0", 24)].decode("ascii")
    if len(data) != total * 512:
        errors.append("file size %d is not %d blocks" % (len(data), total))
    if entry_size != (key_length + 8 + 3) // 4 * 4 or max_keys != (512 - 4) // entry_size:
        errors.append("entry size or key count do not follow the key length")
    numeric = key_type == 1

    def key_at(raw):
        return struct.unpack("<d", raw[:8])[0] if numeric else raw[:key_length]

    leaves_depth = set()
    out = []

    def walk(block, depth):
        """Returns the highest (key, recno) of the subtree."""
        if not 0 < block < total:
            errors.append("block %d out of the file" % block)
            return None
        base = block * 512
        n = struct.unpack_from("<I", data, base)[0]
        if n > max_keys:
            errors.append("block %d holds %d keys" % (block, n))
            return None
        entries = []
        for i in range(n):
            e = base + 4 + i * entry_size
            child, recno = struct.unpack_from("<II", data, e)
            entries.append((child, recno, key_at(data[e + 8:e + 8 + key_length])))
        if n == 0 or entries[0][0] == 0:
            leaves_depth.add(depth)
            if any(c != 0 for c, _, _ in entries):
                errors.append("leaf %d mixes child pointers" % block)
            out.extend((k, r) for _, r, k in entries)
            return (entries[-1][2], entries[-1][1]) if entries else None
        last_child = struct.unpack_from("<I", data, base + 4 + n * entry_size)[0]
        highest = None
        for child, recno, key in entries:
            h = walk(child, depth + 1)
            if h is None or h[0] != key:
                errors.append("block %d: a key is not the highest of its child %d" % (block, child))
        highest = walk(last_child, depth + 1)
        return highest

    walk(root, 0)
    if len(leaves_depth) > 1:
        errors.append("leaves at depths %s" % sorted(leaves_depth))
    return expression, out


def main():
    folder = sys.argv[1].rstrip("/") + "/"
    order = sys.argv[2] if len(sys.argv) > 2 else "mdy"
    sep = (sys.argv[3] if len(sys.argv) > 3 else "/").encode("ascii")
    table = dbfread.DBF(folder + "oracle.dbf", encoding="cp850", char_decode_errors="strict")

    def plain(record):
        return {k: (v.isoformat() if hasattr(v, "isoformat") else v) for k, v in record.items()}

    result = {"live": [plain(r) for r in table], "deleted": [plain(r) for r in table.deleted], "indexes": {}}
    records = raw_records(folder + "oracle.dbf")
    for name, expression in INDEXES.items():
        errors = []
        stored, walked = walk_ndx(folder + name + ".ndx", errors)
        if stored != expression:
            errors.append("expression %r" % stored)
        expected = sorted(records, key=lambda r: (key_of(expression, records[r], order, sep), r))
        if [r for _, r in walked] != expected:
            errors.append("the tree's order differs from a plain sort")
        for k, r in walked:
            if r in records and k != key_of(expression, records[r], order, sep):
                errors.append("record %d has a wrong key" % r)
                break
        result["indexes"][name] = {"records": [r for _, r in walked], "errors": errors}
    json.dump(result, sys.stdout, ensure_ascii=False)


main()
