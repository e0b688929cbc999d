#!/usr/bin/env python3
"""Writes the large inputs the speed measurements use (never committed: they are megabytes).

    python3 tools/make_big_inputs.py grid OUT.gzj [ROOMS ITEMS]   # ROOMS x ITEMS, 3 material + 1 machine lines
    python3 tools/make_big_inputs.py onegroup OUT.gzj [ITEMS]     # one room, one category group
    python3 tools/make_big_inputs.py categories OUT.xml [COUNT]   # a template of COUNT categories without id=
    python3 tools/make_big_inputs.py lineends OUT [MIB]           # a project or template of nothing but CR LF

The layouts are those of the program's writers (BOM, CR LF). A grid project's rooms mix their categories;
reading puts each item at the end of its category group, so the first `resave` orders them by category and
every `resave` after it gives the same bytes back.
"""
import sys

BOM = "\ufeff"
HEAD_TAGS = ["name", "address", "customer", "model", "area", "number", "writer", "contactphone", "Date"]


def project_head():
    out = ["<?xml version='1.0' encoding='utf-8'?>\n<root>\n   <version>Quillary20161009</version>",
           "\n   <head>\t\t\t\t\t\t"]
    for tag in HEAD_TAGS:
        value = "大工程" if tag == "name" else ""
        out.append("\n      <%s> %s </%s>\t\t\t\t\t\t" % (tag, value, tag))
    out.append("\n   </head>\n   <Item>\n      <rate Profit=\"0\" Loss=\"0\" Tax=\"0\"/>\n<page>")
    for tag, value in [("pagesize", "A4"), ("pageorientation", "Vertical"), ("pagemarginleft", "18"),
                       ("pagemarginright", "18"), ("pagemargintop", "19"), ("pagemarginbottom", "19")]:
        out.append("\n<%s>%s</%s>" % (tag, value, tag))
    out.append("\n</page>")
    return out


def mt_line(kind, n, name, classify, price, num):
    return ('\n             <mt kind="%s" id="CL%04d" name="%s" classify="%s" code="05%05d" unit="m²" '
            'price="%.6f" num="%.6f" desc="规格说明%d" />' % (kind, n, name, classify, n, price, num, n))


def grid_item(r, i):
    out = ['\n         <construction name="项目%d-%d" desc="取材标准及施工说明，第%d项的做法与要求。" kind="类别%d">'
           % (r, i, i, i % 5),
           '\n           <brand unit="m²" num="3.500"  loss="1.50%" material="25.000" materialprofit="0.00%" '
           'machine="0.500" machineprofit="0.00%" laborcost="4.000" laborprofit="0.00%" management="0.480" '
           'managementprofit="0.00%" tax="0.00%">']
    for m in range(3):
        n = (i * 3 + m) % 500
        out.append(mt_line("0", n, "材料%d" % n, "苗木", 2.0 + m, 1.0 + m))
    out.append(mt_line("1", 900, "机械", "机械", 5.0, 0.1))
    out.append("\n           </brand>\n         </construction>")
    return "".join(out)


def project(rooms, items):
    out = project_head()
    for r in range(rooms):
        if r > 0:
            out.append("\n      </room>")
        out.append('\n      <room name="房间%d" long="12.00" width="8.00" height="3.00" checkType="0">' % r)
        out.extend(grid_item(r, i) for i in range(items))
    if rooms:
        out.append("\n      </room>")
    out.append("\n   </Item>\n</root>")
    return "".join(out)


def one_group(items):
    out = ['<room name="一">']
    out.extend('<construction kind="k"></construction>' for _ in range(items))
    out.append("</room>")
    return "".join(out)


def categories(count):
    out = ['<?xml version="1.0" encoding="UTF-8" ?>\n<root>\n<From site="Plotwright"/>\n']
    for c in range(count):
        out.append('  <project name="分类%d" kind="类型%d">\n    <construction name="自定义" desc="">\n'
                   '\n           <brand unit="m²" num="1.000"  loss="0.00%%" material="0.000" '
                   'materialprofit="0.00%%" machine="0.000" machineprofit="0.00%%" laborcost="0.000" '
                   'laborprofit="0.00%%" management="0.000" managementprofit="0.00%%">      </brand>\n'
                   '    </construction>\n  </project>\n\n' % (c, c))
    out.append("</root>")
    return "".join(out)


def write_text(path, text):
    with open(path, "wb") as f:
        f.write((BOM + text).replace("\n", "\r\n").encode("utf-8"))


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    shape, path, rest = argv[1], argv[2], [int(a) for a in argv[3:]]
    if shape == "grid":
        write_text(path, project(*(rest or [100, 100])))
    elif shape == "onegroup":
        write_text(path, one_group(*(rest or [16000])))
    elif shape == "categories":
        write_text(path, categories(*(rest or [20000])))
    elif shape == "lineends":
        with open(path, "wb") as f:
            f.write(b"\r\n" * ((rest or [16])[0] << 19))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
