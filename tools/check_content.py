#!/usr/bin/env python3
"""Reads the bundled library and the sample project the way the program reads them (whole text, forward
substring search, 32-bit numbers), writes them back the way the program writes them, and checks that the
bytes come back unchanged and that the content is what the catalogue intended.

    python3 tools/check_content.py
"""
import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import make_library  # noqa: E402
import make_sample  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIBRARY = os.path.join(ROOT, "resources", "Plotwright.xml")
SAMPLE = os.path.join(ROOT, "examples", "garden.gzj")
NUMBER = re.compile(r"\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")


def f32(value):
    return struct.unpack("<f", struct.pack("<f", value))[0]


def read_text(text, key, start):
    if start < 0 or start > len(text):
        return ""
    b = text.find(key, start)
    if b < 0:
        return ""
    q1 = text.find('"', b + 1)
    if q1 < 0:
        return ""
    q2 = text.find('"', q1 + 1)
    if q2 <= q1 + 1:
        return ""
    return text[q1 + 1:q2]


def read_number(text, key, start):
    value = read_text(text, key, start)
    match = NUMBER.match(value)
    number = f32(float(match.group(0))) if match else 0.0
    if "%" in value:
        number = f32(number / 100)
    return number


def decode(path):
    data = open(path, "rb").read()
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    return data.decode("utf-8").replace("\r\n", "\n")


LINE_KEYS = ["kind=", "id=", "name=", "classify=", "code=", "unit="]


def read_line(text):
    line = {key[:-1]: read_text(text, key, 0) for key in LINE_KEYS}
    line["price"] = read_number(text, "price=", 0)
    line["num"] = read_number(text, "num=", 0)
    line["desc"] = read_text(text, "desc=", 0)
    return line


def read_rules(block):
    rules = []
    a, b = block.find("<amount"), block.find("brand")
    while a >= 0 and a < b:
        e = block.find("</amount>", a)
        if e < 0:
            e = block.find("/>", a)
        if e < 0:
            break
        rule_text = block[a + 7:e]
        rule = {"id": read_number(rule_text, "id=", 0), "bDefault": read_number(rule_text, "bDefault=", 0),
                "RoomName": read_text(rule_text, "RoomName=", 0)}
        for measure in make_library.RULE_MEASURES:
            rule[measure] = read_number(rule_text, measure + "=", 0)
        serial = int(rule["id"]) if rule["id"] == int(rule["id"]) else -1
        if 1 <= serial <= 7 and not rule["RoomName"]:
            rule["RoomName"] = make_library.ROOM_NAMES[serial]
        rules.append(rule)
        a = block.find("<amount", e)
    return rules


BRAND_NUMBERS = ["num", "loss", "material", "materialprofit", "machine", "machineprofit", "laborcost",
                 "laborprofit", "management", "managementprofit"]


def read_item(block, category, kind):
    item = {"category": category, "kind": kind, "name": read_text(block, "name=", 0),
            "desc": read_text(block, "desc=", 0), "rules": read_rules(block), "materials": [], "machines": []}
    g = block.find("<brand")
    brand = block[g + 6:block.find(">", g)] if g >= 0 else ""
    item["unit"] = read_text(brand, "unit=", 0)
    for key in BRAND_NUMBERS:
        item[key] = read_number(brand, key + "=", 0)
    if item["num"] == 0:
        item["num"] = 1.0
    m = block.find("<mt")
    while m >= 0:
        q = block.find(">", m)
        if q < 0:
            break
        line = read_line(block[m:q - 1])
        item["machines" if line["classify"] == "机械" else "materials"].append(line)
        m = block.find("<mt", q + 1)
    return item


def load_template(path):
    """Returns (accepted, editable, items) as the program's full template read does."""
    text = decode(path)
    if "Plotwright" not in text and "Plotwright.xml" not in path:
        return False, False, []
    text = text.replace("'", '"')
    if "<project" not in text:
        return False, False, []
    editable = "<PassWord" not in text or read_text(text, "user=", 0) == ""
    items = []
    p = text.find("<project")
    mark = p
    while p >= 0:
        pend = text.find("</project>", p)
        name, kind = read_text(text, "name=", p), read_text(text, "kind=", p)
        c = text.find("<construction", mark)
        while c >= 0 and c < pend:
            close = text.find("</construction>", c)
            if close < 0:
                c = -1
                break
            cend = close + 14
            items.append(read_item(text[c:cend + 1], name, kind))
            c = text.find("<construction", cend)
            mark = c
        if pend < 0:
            break
        p = text.find("<project", pend)
    return True, editable, items


def check(condition, message, problems):
    if not condition:
        problems.append(message)


def check_library(problems):
    accepted, editable, items = load_template(LIBRARY)
    check(accepted, "library not accepted", problems)
    check(editable, "library locked to an account", problems)
    original = open(LIBRARY, "rb").read()
    check(make_library.file_bytes(make_library.template_text(items)) == original,
          "library does not come back byte for byte", problems)
    intended = make_library.library_items()
    check(len(items) == len(intended), "item count %d, intended %d" % (len(items), len(intended)), problems)
    for got, want in zip(items, intended):
        where = "%s/%s" % (want["category"], want["name"])
        for key in ["category", "kind", "name", "desc", "unit"]:
            check(got[key] == want[key], "%s: %s read as %r" % (where, key, got[key]), problems)
        for key in BRAND_NUMBERS:
            check(abs(got[key] - want[key]) < 1e-3 * max(1, abs(want[key])), "%s: %s" % (where, key), problems)
        check(len(got["rules"]) == len(want["rules"]), "%s: rules" % where, problems)
        for kind in ["materials", "machines"]:
            check([l["name"] for l in got[kind]] == [l["name"] for l in want[kind]], "%s: %s" % (where, kind),
                  problems)
            total = sum(l["price"] * l["num"] for l in got[kind])
            price = got["material" if kind == "materials" else "machine"]
            check(abs(total - price) < 0.01, "%s: %s price %.3f, lines %.3f" % (where, kind, price, total),
                  problems)
        check(all(l["classify"] == "机械" and l["unit"] == "台班" for l in got["machines"]),
              "%s: machine line classify" % where, problems)
        if got["name"] != "自定义":
            check(got["desc"] and got["unit"] and got["laborcost"] > 0, "%s: incomplete" % where, problems)
    return items


def check_texts(items, problems):
    """Values are written verbatim and read by substring search, so a few characters would cut them."""
    for item in items:
        texts = [item["category"], item["kind"], item["name"], item["desc"], item["unit"]]
        for line in item["materials"] + item["machines"]:
            texts.extend(line[key] for key in ["id", "name", "classify", "code", "unit", "desc"])
        for text in texts:
            check(not any(ch in text for ch in "\"'<>%=") and "brand" not in text and text == text.strip(),
                  "%s: unsafe text %r" % (item["name"], text), problems)


def summarise_library(items):
    counts = {}
    for item in items:
        entry = counts.setdefault(item["category"], [0, 0])
        entry[0 if item["name"] == "自定义" else 1] += 1
    for category, (placeholders, real) in counts.items():
        print("  %-8s %3d items + %d placeholder" % (category, real, placeholders))
    real_items = [i for i in items if i["name"] != "自定义"]
    print("  %d categories, %d items, %d with quantity rules, %d with machine lines, %d material lines, "
          "%d machine lines" % (len(counts), len(real_items), sum(1 for i in real_items if i["rules"]),
                                sum(1 for i in real_items if i["machines"]),
                                sum(len(i["materials"]) for i in real_items),
                                sum(len(i["machines"]) for i in real_items)))


def check_companions(items, problems):
    names = {i["name"].replace(" ", "") for i in items}
    for name in ["地面铺设地砖", "地面斜铺设地砖", "墙面铺贴墙砖", "地砖填缝剂", "墙砖填缝剂", "铺设复合地板",
                 "铺设实木复合地板", "复合地板直接铺设找平层"]:
        check(name in names, "missing companion-rule item " + name, problems)
    current = None
    for item in items:
        if item["category"] != current:
            check(item["name"] == "自定义", "category %s does not start with a placeholder" % item["category"],
                  problems)
            current = item["category"]


def read_project(path):
    """Reads the sample project as the program's project reader does."""
    text = decode(path)
    head, p = [], 0
    for key in ["<name>", "dress>", "tomer>", "model>", "<area>", "umber>", "riter>", "phone>", "<Date>"]:
        b = text.find(key, p)
        e = text.find("<", b + 6)
        head.append(text[b + 6:e].strip())
        p = e - 1
    t = text.find("<rate")
    rate_text = text[t:text.find("/>", t)]
    rates = [read_text(rate_text, key, 0) for key in ["Profit=", "Loss=", "Tax="]]
    rooms = []
    v = text.find("<room")
    while v >= 0:
        w = text.find("</room>", v + 5)
        r = text[v:w + 7]
        room = {"name": read_text(r, "name=", 0), "long": read_number(r, "long=", 0),
                "width": read_number(r, "width=", 0), "height": read_number(r, "height=", 0),
                "checkType": int(read_number(r, "checkType=", 0)), "items": []}
        k = r.find("<construction")
        while k >= 0:
            f = r.find("</construction>", k + 1)
            item = {"name": read_text(r, "name=", k), "desc": read_text(r, "desc=", k),
                    "kind": read_text(r, "kind=", k), "unit": read_text(r, "unit=", k),
                    "materials": [], "machines": []}
            for key in BRAND_NUMBERS + ["tax"]:
                item[key] = read_number(r, key + "=", k)
            m = r.find("<mt", k)
            while 0 <= m < f:
                s = r.find("/>", m)
                line = read_line(r[m:s])
                item["machines" if line["classify"] == "机械" else "materials"].append(line)
                m = r.find("<mt", s)
            room["items"].append(item)
            k = r.find("<construction", f)
        rooms.append(room)
        v = text.find("<room", w + 7)
    return head, rates, rooms


def check_sample(library_items, problems):
    head, rates, rooms = read_project(SAMPLE)
    check(make_sample.file_bytes(make_sample.project_text(head, rooms)) == open(SAMPLE, "rb").read(),
          "sample does not come back byte for byte", problems)
    check(rates == ["0", "0", "0"], "sample rates %r" % rates, problems)
    library = {i["name"]: i for i in library_items}
    total = 0.0
    for room in rooms:
        kinds = [i["kind"] for i in room["items"]]
        check(all(kinds.index(k) == len(kinds) - 1 - kinds[::-1].index(k) - kinds.count(k) + 1 for k in kinds),
              "room %s: category groups not consecutive" % room["name"], problems)
        room_total = 0.0
        for item in room["items"]:
            source = library.get(item["name"])
            check(source is not None, "sample item %s not in the library" % item["name"], problems)
            if source:
                for key in ["desc", "unit"]:
                    check(item[key] == source[key], "sample item %s: %s" % (item["name"], key), problems)
                for key in ["material", "machine", "laborcost", "management", "loss"]:
                    check(item[key] == f32(source[key]), "sample item %s: %s" % (item["name"], key), problems)
                check(item["kind"] == source["kind"], "sample item %s: kind" % item["name"], problems)
                check(len(item["materials"]) == len(source["materials"]) and
                      len(item["machines"]) == len(source["machines"]), "sample item %s: lines" % item["name"],
                      problems)
            room_total += price_row(item)
        print("  %-6s %2d items  %10.2f 元" % (room["name"], len(room["items"]), room_total))
        total += room_total
    print("  sample: %s, %d rooms, %d items, total %.2f 元" % (
        head[0], len(rooms), sum(len(r["items"]) for r in rooms), total))


def price_row(item):
    num, tax = item["num"], item["tax"]
    material = f32(f32(f32(f32((item["materialprofit"] + 1) * item["material"]) * num) * (item["loss"] + 1))
                   * (tax + 1))
    labour = f32(f32(f32((item["laborprofit"] + 1) * item["laborcost"]) * num) * (tax + 1))
    machine = f32(f32(f32((item["machineprofit"] + 1) * item["machine"]) * num) * (tax + 1))
    management = f32(f32(item["management"] * num) * (tax + 1))
    return f32(f32(f32(material + labour) + machine) + management)


def main():
    problems = []
    print("library %s" % LIBRARY)
    items = check_library(problems)
    summarise_library(items)
    check_companions(items, problems)
    check_texts(make_library.library_items(), problems)
    print("sample %s" % SAMPLE)
    check_sample(items, problems)
    for problem in problems:
        print("PROBLEM: " + problem)
    print("OK" if not problems else "%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
