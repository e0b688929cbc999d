#include "coverpage.h"

#include "billlists.h"

#include "contracts/grid.h"

namespace CoverPage {

const std::array<QString, LineCount> &captions()
{
    static const std::array<QString, LineCount> texts{
        QStringLiteral("项目地址:"), QStringLiteral("客户姓名:"), QStringLiteral("项目类型:"),
        QStringLiteral("建筑面积:"), QStringLiteral("设计师:"),   QStringLiteral("造价员:")};
    return texts;
}

std::array<Cell, LineCount> valueCells(int list)
{
    // The bill's header blocks start at columns 1, 6 and 13, the resource lists' at 1, 4 and 7.
    const bool bill = list == BillLists::BillOfQuantities;
    const int second = bill ? 6 : 4;
    const int third = bill ? 13 : 7;
    return {{{2, 1}, {3, 1}, {2, second}, {3, second}, {2, third}, {3, third}}};
}

QStringList values(const Grid &grid, int list)
{
    QStringList result;
    const std::array<Cell, LineCount> cells = valueCells(list);
    for (int k = 0; k < LineCount; ++k) {
        QString text = grid.text(cells[std::size_t(k)].row, cells[std::size_t(k)].column);
        result << text.remove(captions()[std::size_t(k)]);
    }
    return result;
}

} // namespace CoverPage
