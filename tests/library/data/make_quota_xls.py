#!/usr/bin/env python3
"""Writes quota.xls, the small BIFF8 workbook the spreadsheet tests import.

No spreadsheet program is at hand and freexl only reads, so the file is put
together record by record: a compound file holding one Workbook stream with a
shared-string table, text (LABELSST), NUMBER and RK cells, and two sheets of
which the importer must take the first.

    python3 make_quota_xls.py quota.xls
"""
import struct
import sys

HEADER = ["分类名称", "分类类型", "项目名称", "单位", "工程量", "损耗率(%)", "人工单价",
          "人工利润率(%)", "管理费", "管理费利润率(%)", "材料利润率(%)", "机械利润率(%)",
          "取材标准及施工说明", "资源类型(材料/机械)", "资源名称", "资源编号", "资源代码", "资源分类",
          "资源单位", "资源单价", "资源用量", "资源说明"]
# Row 2: an item with a material line; row 3 (with a gap row before it): its machine line;
# row 5: a second item with no lines. Numbers are (value, "rk" or "num").
ROWS = {
    1: {0: "绿化种植", 2: "栽植乔木", 3: "株", 4: (1, "rk"), 5: (2, "rk"), 6: (35.5, "num"),
        8: (4.25, "num"), 12: "胸径8cm以内", 13: "材料", 14: "香樟", 16: "0301", 17: "苗木",
        18: "株", 19: (420, "rk"), 20: (1.02, "num")},
    3: {13: "机械", 14: "汽车起重机8t", 18: "台班", 19: (980.5, "num"), 20: (0.015, "num")},
    4: {2: "树木支撑", 3: "株", 6: (12, "rk"), 12: "三脚桩"},
}


def record(kind, data=b""):
    return struct.pack("<HH", kind, len(data)) + data


def bof(dt):
    return record(0x0809, struct.pack("<HHHHII", 0x0600, dt, 0x0DBB, 0x07CC, 0, 6))


def short_name(text):
    encoded = text.encode("utf-16-le")
    return struct.pack("<BB", len(text), 1) + encoded


def sst(strings):
    body = struct.pack("<II", len(strings), len(strings))
    for s in strings:
        body += struct.pack("<HB", len(s), 1) + s.encode("utf-16-le")
    return record(0x00FC, body)


def rk_value(v):
    return (int(v) << 2) | 2  # integer RK, not divided by 100


def sheet_stream(rows, strings):
    cells = b""
    for r, cols in sorted(rows.items()):
        for c, v in sorted(cols.items()):
            if isinstance(v, str):
                cells += record(0x00FD, struct.pack("<HHHI", r, c, 15, strings.index(v)))
            elif v[1] == "rk":
                cells += record(0x027E, struct.pack("<HHHI", r, c, 15, rk_value(v[0])))
            else:
                cells += record(0x0203, struct.pack("<HHHd", r, c, 15, float(v[0])))
    last_row = max(rows)
    dims = record(0x0200, struct.pack("<IIHHH", 0, last_row + 1, 0, len(HEADER), 0))
    return bof(0x0010) + dims + cells + record(0x000A)


def xf_records():
    # freexl wants the cell formats to tell dates from numbers: 16 style formats and one cell format.
    style = struct.pack("<HHHHHHHHHH", 0, 0, 0xFFF5, 0x20, 0, 0, 0, 0, 0, 0x20C0)
    cell = struct.pack("<HHHHHHHHHH", 0, 0, 0x0001, 0x20, 0, 0, 0, 0, 0, 0x20C0)
    return b"".join(record(0x00E0, style) for _ in range(15)) + record(0x00E0, cell)


def font_records():
    font = struct.pack("<HHHHHBBBB", 200, 0, 0x7FFF, 400, 0, 0, 0, 0, 0) + short_name("Arial")
    return b"".join(record(0x0031, font) for _ in range(5))


def workbook():
    strings = list(HEADER)
    for cols in ROWS.values():
        strings += [v for v in cols.values() if isinstance(v, str) and v not in strings]
    strings.append("第二张表")
    first = {0: {c: h for c, h in enumerate(HEADER)}}
    first.update(ROWS)
    second = {0: {0: "第二张表"}}
    sheets = [sheet_stream(first, strings), sheet_stream(second, strings)]
    names = ["定额", "备注"]

    def globals_part(offsets):
        out = bof(0x0005) + record(0x0042, struct.pack("<H", 1200)) + font_records() + xf_records()
        for name, off in zip(names, offsets):
            out += record(0x0085, struct.pack("<IBB", off, 0, 0) + short_name(name))
        return out + sst(strings) + record(0x000A)

    size = len(globals_part([0, 0]))
    offsets = [size, size + len(sheets[0])]
    stream = globals_part(offsets) + sheets[0] + sheets[1]
    # Streams under 4096 bytes would belong in the mini stream; pad so one regular chain holds it.
    return stream + b"\0" * max(0, 4096 - len(stream))


def compound_file(stream):
    sector = 512
    n = (len(stream) + sector - 1) // sector
    end, free = 0xFFFFFFFE, 0xFFFFFFFF
    fat = [0xFFFFFFFD, end] + [i + 1 for i in range(2, 2 + n - 1)] + [end]
    fat += [free] * (128 - len(fat))
    header = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\0" * 16
    header += struct.pack("<HHHHH", 0x3E, 3, 0xFFFE, 9, 6) + b"\0" * 6
    header += struct.pack("<IIIIIIIII", 0, 1, 1, 0, 4096, end, 0, end, 0)
    header += struct.pack("<I", 0) + struct.pack("<I", free) * 108

    def entry(name, kind, child, start, size):
        raw = name.encode("utf-16-le") + b"\0\0"
        return (raw.ljust(64, b"\0") + struct.pack("<HBB", len(raw) if name else 0, kind, 1)
                + struct.pack("<III", free, free, child) + b"\0" * 36 + struct.pack("<IQ", start, size))

    directory = entry("Root Entry", 5, 1, end, 0) + entry("Workbook", 2, free, 2, len(stream))
    directory += entry("", 0, free, 0, 0) * 2
    body = struct.pack("<128I", *fat) + directory + stream.ljust(n * sector, b"\0")
    return header + body


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "quota.xls", "wb") as f:
        f.write(compound_file(workbook()))
