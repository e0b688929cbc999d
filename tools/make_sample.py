#!/usr/bin/env python3
"""Writes examples/garden.gzj, a small villa-garden estimate priced from the bundled library.

The layout is the program's project writer's (BOM, CR LF, fixed indentation and number formats); the
project rates are not enabled, so the rate element carries "0" for all three.

    python3 tools/make_sample.py [output path]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import make_library  # noqa: E402
from make_library import f32, fixed, percent  # noqa: E402

HEAD_TAGS = ["name", "address", "customer", "model", "area", "number", "writer", "contactphone", "Date"]
HEAD = ["翠湖苑12号别墅庭院景观工程", "杭州市西湖区翠湖苑12号", "王建华", "别墅庭院", "340", "YL-2025-018",
        "陈立", "0571-86012345", "2025-03-18"]
PAGE = [("pagesize", "A4"), ("pageorientation", "Vertical"), ("pagemarginleft", "18"),
        ("pagemarginright", "18"), ("pagemargintop", "19"), ("pagemarginbottom", "19")]

# room name, floor area, perimeter, [(library item, quantity)] grouped by category as the table keeps them
ROOMS = [
    ("前院", 120, 46, [("场地平整", 120), ("栽植小乔木桂花冠幅250cm", 2), ("栽植色块红花檵木", 12),
                       ("花岗岩铺装30厚芝麻灰", 38), ("花岗岩路缘石", 24), ("草坪灯安装", 6)]),
    ("后院草坪", 180, 56, [("满铺草坪马尼拉", 125), ("栽植乔木香樟胸径12cm", 1), ("树木支撑四脚桩", 1),
                           ("防腐木平台铺装", 24), ("花岗岩汀步", 14), ("地埋式旋转喷头", 6)]),
    ("水景区", 40, 26, [("水池底板混凝土C25P6", 3.2), ("水池SBS防水卷材", 28), ("池底散铺卵石", 12),
                        ("景石布置泰山石", 3.5), ("水下灯安装", 4)]),
]


def sample_rooms():
    library = {item["name"]: item for item in make_library.library_items()}
    rooms = []
    for name, area, perimeter, entries in ROOMS:
        items = [dict(library[item_name], num=quantity, tax=0) for item_name, quantity in entries]
        rooms.append({"name": name, "long": area, "width": perimeter, "height": 0, "checkType": 0,
                      "items": items})
    return rooms


def line_text(line, kind):
    return ('\n             <mt kind="%s" id="%s" name="%s" classify="%s" code="%s" unit="%s" price="%.6f" '
            'num="%.6f" desc="%s" />' % (kind, line["id"], line["name"], line["classify"], line["code"],
                                         line["unit"], f32(line["price"]), f32(line["num"]), line["desc"]))


def item_text(item):
    out = ['\n         <construction name="%s" desc="%s" kind="%s">' % (item["name"], item["desc"], item["kind"]),
           '\n           <brand unit="%s" num="%s"  loss="%s" material="%s" materialprofit="%s" machine="%s" '
           'machineprofit="%s" laborcost="%s" laborprofit="%s" management="%s" managementprofit="%s" tax="%s">' % (
               item["unit"], fixed(item["num"], 3), percent(item["loss"]), fixed(item["material"], 3),
               percent(item["materialprofit"]), fixed(item["machine"], 3), percent(item["machineprofit"]),
               fixed(item["laborcost"], 3), percent(item["laborprofit"]), fixed(item["management"], 3),
               percent(item["managementprofit"]), percent(item["tax"]))]
    out.extend(line_text(line, "0") for line in item["materials"])
    out.extend(line_text(line, "1") for line in item["machines"])
    out.append("\n           </brand>\n         </construction>")
    return "".join(out)


def room_text(room):
    return '\n      <room name="%s" long="%.2f" width="%.2f" height="%.2f" checkType="%d">' % (
        room["name"], f32(room["long"]), f32(room["width"]), f32(room["height"]), room["checkType"])


def project_text(head, rooms):
    tabs = "\t" * 6
    out = ["<?xml version='1.0' encoding='utf-8'?>\n<root>\n   <version>Quillary20161009</version>",
           "\n   <head>" + tabs]
    for tag, value in zip(HEAD_TAGS, head):
        out.append("\n      <%s> %s </%s>%s" % (tag, value.strip().replace(" ", ""), tag, tabs))
    out.append("\n   </head>\n   <Item>")
    out.append('\n      <rate Profit="0" Loss="0" Tax="0"/>')
    out.append("\n<page>" + "".join("\n<%s>%s</%s>" % (tag, value, tag) for tag, value in PAGE) + "\n</page>")
    for index, room in enumerate(rooms):
        if index > 0:
            out.append("\n      </room>")
        out.append(room_text(room))
        out.extend(item_text(item) for item in room["items"])
    if rooms:
        out.append("\n      </room>")
    out.append("\n   </Item>\n</root>")
    return "".join(out)


def file_bytes(text):
    return b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "examples", "garden.gzj")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    rooms = sample_rooms()
    with open(path, "wb") as out:
        out.write(file_bytes(project_text(HEAD, rooms)))
    print("%s: %d rooms, %d items" % (path, len(rooms), sum(len(room["items"]) for room in rooms)))


if __name__ == "__main__":
    main()
