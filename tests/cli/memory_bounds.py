#!/usr/bin/env python3
"""Small hostile files must not take the machine's memory.

Each file is read by plotwright-cli with its address space limited by
prlimit: the command must end with exit code 2 and the refusal on stderr,
never with an abort for want of memory.

    memory_bounds.py CLI WORKDIR XLS_GENERATOR_DIR
"""
import subprocess
import sys
import zipfile
from pathlib import Path

cli, work, generators = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
work.mkdir(parents=True, exist_ok=True)
sys.path.insert(0, str(generators))
import make_hostile_xls  # noqa: E402

MIB = 1024 * 1024
# The program's own libraries and arenas take about 200 MiB of address space;
# the reading itself may add about 256 MiB for a spreadsheet.
SHEET_LIMIT = 460 * MIB
# A 60 MiB project or template may take a few times its size before refusal.
FILE_LIMIT = 700 * MIB

NS = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
RELS = 'xmlns="http://schemas.openxmlformats.org/package/2006/relationships"'
OFFICE = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"


def xlsx(path, sheet, strings=None):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("_rels/.rels", f'<Relationships {RELS}><Relationship Id="r1" '
                   f'Type="{OFFICE}/officeDocument" Target="xl/workbook.xml"/></Relationships>')
        z.writestr("xl/workbook.xml", f'<workbook {NS} xmlns:r="{OFFICE}"><sheets>'
                   '<sheet name="a" sheetId="1" r:id="r1"/></sheets></workbook>')
        z.writestr("xl/_rels/workbook.xml.rels", f'<Relationships {RELS}>'
                   f'<Relationship Id="r1" Type="{OFFICE}/worksheet" Target="worksheets/sheet1.xml"/>'
                   f'<Relationship Id="r2" Type="{OFFICE}/sharedStrings" Target="sharedStrings.xml"/>'
                   '</Relationships>')
        z.writestr("xl/worksheets/sheet1.xml", f"<worksheet {NS}><sheetData>{sheet}</sheetData></worksheet>")
        z.writestr("xl/sharedStrings.xml", f"<sst {NS}>{strings or ''}</sst>")


def write(path, text):
    path.write_bytes(text.encode("utf-8"))
    return path


# (description, limit, arguments, exit codes allowed, text stderr must hold)
def cases():
    yield from refused()
    # Just under the caps the reading goes on, within the same bound.
    near = work / "near.xlsx"
    xlsx(near, "".join(f'<row r="{r}"><c><v>1</v></c></row>' for r in range(1, 420_000)))
    yield "xlsx just under the node cap", SHEET_LIMIT, ["template-import", near, "-o", work / "o.xml"], (2,), "表头"
    sample = generators / "quota.xls"
    yield "the sample .xls", SHEET_LIMIT, ["template-import", sample, "-o", work / "o.xml"], (0,), ""


def refused():
    xls = work / "declared.xls"
    xls.write_bytes(make_hostile_xls.q.compound_file(make_hostile_xls.workbook(20, 65536, 256)))
    yield "xls declaring 20 sheets of 65536 x 256", SHEET_LIMIT, ["template-import", xls, "-o", work / "o.xml"]
    cells = work / "cells.xlsx"
    xlsx(cells, '<row r="1">' + "<c/>" * (60 * MIB // 4) + "</row>")
    yield "xlsx with 60 MiB of empty cells", SHEET_LIMIT, ["template-import", cells, "-o", work / "o.xml"]
    strings = work / "strings.xlsx"
    xlsx(strings, "", "<si/>" * 13_000_000)
    yield "xlsx with 13 million shared strings", SHEET_LIMIT, ["template-import", strings, "-o", work / "o.xml"]
    lines = write(work / "lines.gzj", "<room>" + "<mt/>" * (60 * MIB // 5) + "</room>")
    yield "project of empty lines", FILE_LIMIT, ["json", lines]
    rooms = write(work / "rooms.gzj", "<room/></room>" * (60 * MIB // 14))
    yield "project of empty rooms", FILE_LIMIT, ["json", rooms]
    items = write(work / "items.xml", "<From site='Plotwright'/><project name='a'><construction>"
                  + "<mt/>" * (60 * MIB // 5) + "</construction></project>")
    yield "template of empty lines", FILE_LIMIT, ["template-json", items]


failed = 0
for what, limit, args, *expected in cases():
    codes, needed = expected if expected else ((2,), "过大或已损坏")
    run = subprocess.run(["prlimit", f"--as={limit}", str(cli)] + [str(a) for a in args],
                         capture_output=True, text=True)
    ok = run.returncode in codes and needed in run.stderr
    print(f"{'ok  ' if ok else 'FAIL'} {what}: exit {run.returncode}: {run.stderr.strip()[:200]}")
    failed += not ok
sys.exit(1 if failed else 0)
