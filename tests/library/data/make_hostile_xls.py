#!/usr/bin/env python3
"""Writes a small .xls whose sheets declare far more cells than they hold.

Each of SHEETS sheets declares ROWS x COLUMNS cells in its DIMENSION record
and holds one text cell: a reader that sizes its cell arrays from the
declarations would need gigabytes for a file of a few kilobytes.

    python3 make_hostile_xls.py out.xls SHEETS ROWS COLUMNS
"""
import struct
import sys

import make_quota_xls as q


def sheet_stream(rows, columns):
    dims = q.record(0x0200, struct.pack("<IIHHH", 0, rows, 0, columns, 0))
    cell = q.record(0x00FD, struct.pack("<HHHI", 0, 0, 15, 0))
    return q.bof(0x0010) + dims + cell + q.record(0x000A)


def workbook(sheets, rows, columns):
    strings = ["分类名称"]
    bodies = [sheet_stream(rows, columns) for _ in range(sheets)]
    names = ["表%d" % i for i in range(sheets)]

    def globals_part(offsets):
        out = q.bof(0x0005) + q.record(0x0042, struct.pack("<H", 1200)) + q.font_records() + q.xf_records()
        for name, off in zip(names, offsets):
            out += q.record(0x0085, struct.pack("<IBB", off, 0, 0) + q.short_name(name))
        return out + q.sst(strings) + q.record(0x000A)

    offset = len(globals_part([0] * sheets))
    offsets = []
    for body in bodies:
        offsets.append(offset)
        offset += len(body)
    stream = globals_part(offsets) + b"".join(bodies)
    return stream + b"\0" * max(0, 4096 - len(stream))


if __name__ == "__main__":
    out, sheets, rows, columns = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    with open(out, "wb") as f:
        f.write(q.compound_file(workbook(sheets, rows, columns)))
