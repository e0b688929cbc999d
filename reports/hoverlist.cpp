#include "hoverlist.h"

#include "contracts/grid.h"
#include "contracts/gridalignment.h"
#include "contracts/gridupdateguard.h"
#include "estimate/numbertext.h"

#include <algorithm>

namespace HoverList {

namespace {

constexpr int Rows = 12;
constexpr int Columns = 5;
constexpr int FirstLineRow = 2;
constexpr int LineHeight = 25;
constexpr quint32 TitleGrey = 0xD7D7D7;

} // namespace

void setUp(Grid &grid)
{
    GridUpdateGuard guard(grid);
    grid.clear();
    grid.setRowCount(0);
    grid.setColumnCount(Columns);
    grid.setRowCount(Rows);
    grid.setFixedColumnCount(1);
    grid.setFixedRowCount(2);
    const int widths[Columns] = {0, 120, 80, 120, 80};
    for (int c = 0; c < Columns; ++c)
        grid.setColumnWidth(c, widths[c]);
    grid.setText(0, 1, QStringLiteral("材料明细"));
    grid.merge({0, 1, 0, 4});
    grid.setRangeBackground({0, 1, 0, 4}, TitleGrey);
    grid.setRangeAlignment({0, 1, Rows - 1, 4}, GridAlignment::Centre);
    grid.setRowHeight(0, 30);
    const QString captions[4] = {QStringLiteral("材料名称"), QStringLiteral("编号"), QStringLiteral("单位"),
                                 QStringLiteral("单价")};
    for (int c = 1; c <= 4; ++c)
        grid.setText(1, c, captions[c - 1]);
    for (int row = 1; row < Rows; ++row)
        grid.setRowHeight(row, LineHeight);
}

int fill(Grid &grid, const BrandData &brand)
{
    GridUpdateGuard guard(grid);
    const int count = int(std::min<qsizetype>(brand.materials.size(), MaxLines));
    for (int i = 0; i < MaxLines; ++i) {
        const int row = FirstLineRow + i;
        const bool used = i < count;
        const MtLine line = used ? brand.materials[i] : MtLine();
        grid.setText(row, 1, line.name);
        grid.setText(row, 2, line.code);
        grid.setText(row, 3, line.unit);
        grid.setText(row, 4, used ? NumberText::fixed(double(line.price), 1) : QString());
    }
    return count;
}

int windowHeight(int linesWritten)
{
    return LineHeight * linesWritten + 56;
}

} // namespace HoverList
