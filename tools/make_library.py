#!/usr/bin/env python3
"""Writes resources/Plotwright.xml, the bundled quota library, from the catalogue in this folder.

The text is laid out exactly as the program's template writer lays it out (same element order, spacing,
number formats, UTF-8 with byte-order mark, CR LF), so that opening and saving the library again gives the
same bytes.  Every number is first narrowed to a 32-bit float, as the program holds it.

    python3 tools/make_library.py [output path]
"""
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import catalogue_items  # noqa: E402
import catalogue_resources  # noqa: E402

ROOM_NAMES = {1: "主卧", 2: "客厅", 3: "厨房", 4: "卫生间", 5: "阳台", 6: "自定义", 7: "次卧"}
RULE_MEASURES = ["Area", "LaterArea", "WindowArea", "DoorArea", "perimeter", "WindowPerimeter",
                 "DoorPerimeter", "length", "width", "DoorWidth", "height", "DoorCount", "constant"]
MANAGEMENT_RATE = 0.12  # management fee as a share of labour plus machine shifts


def f32(value):
    return struct.unpack("<f", struct.pack("<f", value))[0]


def fixed(value, decimals):
    return "%.*f" % (decimals, f32(value))


def percent(fraction):
    return "%.2f%%" % (f32(fraction) * 100)


def make_rules(rule):
    if rule is None:
        return []
    if rule == "area":
        rule = [(0, {"Area": 1})]
    elif rule == "edge":
        rule = [(0, {"perimeter": 1})]
    rules = []
    for serial, coefficients in rule:
        entry = {"id": serial, "bDefault": 1 if serial == 0 else 0, "RoomName": ROOM_NAMES.get(serial, "")}
        for measure in RULE_MEASURES:
            entry[measure] = coefficients.get(measure, 0)
        rules.append(entry)
    return rules


def make_lines(lines, table):
    # Quantities are written with three decimals; a finer one would make the item price disagree with its lines.
    for name, num in lines:
        if round(num, 3) != num:
            raise ValueError("%s: quantity %r has more than three decimals" % (name, num))
    return [dict(table[name], num=num) for name, num in lines]


def line_sum(lines):
    return round(sum(line["price"] * line["num"] for line in lines), 3)


def make_item(category, entry, materials, machines):
    name, unit, labour, loss, material_lines, machine_lines, rule, desc = entry
    mats = make_lines(material_lines, materials)
    machs = make_lines(machine_lines, machines)
    machine = line_sum(machs)
    return {"category": category, "kind": category, "name": name, "desc": desc, "rules": make_rules(rule),
            "unit": unit, "num": 1, "loss": loss / 100.0, "material": line_sum(mats), "materialprofit": 0,
            "machine": machine, "machineprofit": 0, "laborcost": labour, "laborprofit": 0,
            "management": round((labour + machine) * MANAGEMENT_RATE, 2), "managementprofit": 0,
            "materials": mats, "machines": machs}


def make_placeholder(category):
    return {"category": category, "kind": category, "name": catalogue_items.PLACEHOLDER_NAME, "desc": "",
            "rules": [], "unit": "项", "num": 1, "loss": 0, "material": 0, "materialprofit": 0, "machine": 0,
            "machineprofit": 0, "laborcost": 0, "laborprofit": 0, "management": 0, "managementprofit": 0,
            "materials": [], "machines": []}


def library_items():
    materials = catalogue_resources.material_table()
    machines = catalogue_resources.machine_table()
    items = []
    for category, specs in catalogue_items.CATEGORIES:
        items.append(make_placeholder(category))
        items.extend(make_item(category, entry, materials, machines) for entry in specs)
    return items


def rule_text(rule):
    parts = ['      <amount id="%s" bDefault="%s" RoomName="%s"' % (
        fixed(rule["id"], 0), fixed(rule["bDefault"], 0), rule["RoomName"])]
    for measure in RULE_MEASURES:
        parts.append(' %s="%s"' % (measure, fixed(rule[measure], 2)))
    return "".join(parts) + "/>\n"


def brand_text(item):
    return ('\n           <brand unit="%s" num="%s"  loss="%s" material="%s" materialprofit="%s" machine="%s" '
            'machineprofit="%s" laborcost="%s" laborprofit="%s" management="%s" managementprofit="%s">' % (
                item["unit"], fixed(item["num"], 3), percent(item["loss"]), fixed(item["material"], 3),
                percent(item["materialprofit"]), fixed(item["machine"], 3), percent(item["machineprofit"]),
                fixed(item["laborcost"], 3), percent(item["laborprofit"]), fixed(item["management"], 3),
                percent(item["managementprofit"])))


def line_text(line, kind):
    return ('        <mt kind="%s" id="%s" name="%s" classify="%s" code="%s" unit="%s"  price="%s" num="%s"  '
            'desc="%s"/>\n' % (kind, line["id"], line["name"], line["classify"], line["code"], line["unit"],
                               fixed(line["price"], 3), fixed(line["num"], 3), line["desc"]))


def template_text(items, owner=""):
    out = ['<?xml version="1.0" encoding="UTF-8" ?>\n<root>\n', '<From site="Plotwright"/>\n']
    if owner:
        out.append('  <PassWord user="%s"/>\n' % owner)
    previous = ""
    for index, item in enumerate(items):
        if item["category"] != previous:
            if index > 0:
                out.append("  </project>\n\n")
            out.append('  <project name="%s" kind="%s">\n' % (item["category"].strip(), item["kind"]))
            previous = item["category"]
        out.append('    <construction name="%s" desc="%s">\n' % (item["name"], item["desc"]))
        out.extend(rule_text(rule) for rule in item["rules"])
        out.append(brand_text(item))
        out.extend(line_text(line, "0") for line in item["materials"])
        out.extend(line_text(line, "1") for line in item["machines"])
        out.append("      </brand>\n    </construction>\n")
    out.append("  </project>\n</root>")
    return "".join(out)


def file_bytes(text):
    return b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "Plotwright.xml")
    items = library_items()
    with open(path, "wb") as out:
        out.write(file_bytes(template_text(items)))
    print("%s: %d items in %d categories" % (path, len(items), len(catalogue_items.CATEGORIES)))


if __name__ == "__main__":
    main()
