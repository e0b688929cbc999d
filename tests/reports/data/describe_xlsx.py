"""Prints what a spreadsheet program sees in the first sheet of an .xlsx file, as JSON.

Read with openpyxl, independently of the writer under test: cell values and types,
number formats, alignments, fills, borders, merges, column widths and row heights.
"""
import json
import sys

import openpyxl
from openpyxl.cell.cell import MergedCell


def colour(cell):
    fill = cell.fill
    if fill is None or fill.fill_type != "solid":
        return None
    return fill.fgColor.rgb[-6:]


def describe(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            if isinstance(cell, MergedCell):
                continue  # covered cells of merged ranges carry no values
            border = cell.border
            sides = [border.left.style, border.right.style, border.top.style, border.bottom.style]
            cells[cell.coordinate] = {
                "type": cell.data_type,
                "value": cell.value,
                "format": cell.number_format,
                "horizontal": cell.alignment.horizontal,
                "vertical": cell.alignment.vertical,
                "wrap": bool(cell.alignment.wrap_text),
                "shrink": bool(cell.alignment.shrink_to_fit),
                "fill": colour(cell),
                "bold": bool(cell.font.b),
                "size": cell.font.sz,
                "thin": all(s == "thin" for s in sides),
            }
    return {
        "sheets": book.sheetnames,
        "cells": cells,
        "merges": sorted(str(r) for r in sheet.merged_cells.ranges),
        "widths": {k: v.width for k, v in sheet.column_dimensions.items() if v.customWidth},
        "hiddenColumns": sorted(k for k, v in sheet.column_dimensions.items() if v.hidden),
        "heights": {str(k): v.height for k, v in sheet.row_dimensions.items() if v.height is not None},
    }


if __name__ == "__main__":
    json.dump(describe(sys.argv[1]), sys.stdout, ensure_ascii=False)
