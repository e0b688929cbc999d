#include "listkeyboard.h"

#include "contracts/grid.h"

#include <algorithm>

namespace ListKeyboard {

int columnStep(QStringView cellText)
{
    if (cellText == u"单价")
        return 6;
    const QStringView caption = cellText.left(cellText.indexOf(u':'));
    if (caption == u"项目地址" || caption == u"客户姓名")
        return 4;
    if (caption == u"项目类型" || caption == u"建筑面积")
        return 6;
    return 1;
}

int nextColumn(const Grid &grid, int row, int column)
{
    const int last = grid.columnCount() - 1;
    return std::min(column + columnStep(grid.text(row, column)), last);
}

} // namespace ListKeyboard
