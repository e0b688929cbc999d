#pragma once

#include <QtGlobal>

// Bounds that keep the spreadsheet readers finite on hostile files.
namespace SheetLimits {

// A spreadsheet file and each part read from it (uncompressed) stay below this.
inline constexpr qint64 MaxBytes = 64ll * 1024 * 1024;
// Cells right of this column are ignored: the layout needs far fewer.
inline constexpr int MaxColumns = 256;
// The largest row number a sheet may use.
inline constexpr int MaxRows = 1048576;

// Cells all sheets of an .xls may declare: its reader gives each about 16 bytes up front.
inline constexpr qint64 MaxDeclaredXlsCells = 8ll * 1024 * 1024;
// Elements and attributes of one part of an .xlsx: each costs the XML parser tens of bytes.
inline constexpr qint64 MaxXmlNodes = 3ll * 1024 * 1024;

} // namespace SheetLimits
