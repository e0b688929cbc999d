#include "itemeditgrids.h"

#include "contracts/grid.h"

#include <initializer_list>
#include <utility>

namespace {

constexpr quint32 TemplateGrey = 15921906;
constexpr quint32 ResourceGrey = 15132390;

const QStringList &lineHeaders()
{
    static const QStringList headers{QString(),
                                     QStringLiteral("材料名称"),
                                     QStringLiteral("种类"),
                                     QStringLiteral("单位"),
                                     QStringLiteral("单价"),
                                     QStringLiteral("单位使用量"),
                                     QStringLiteral("备注"),
                                     QStringLiteral("删除")};
    return headers;
}

void sizeGrid(Grid &grid, int rows, const QList<int> &widths, int minimumRowHeight)
{
    grid.clear();
    // Rows take the default height they are made with.
    grid.setDefaultRowHeight(minimumRowHeight);
    grid.setColumnCount(int(widths.size()));
    grid.setRowCount(rows);
    for (int c = 0; c < widths.size(); ++c)
        grid.setColumnWidth(c, widths.at(c));
    grid.setRowHeight(0, 0);
}

// A merged range is entered at its first cell, where the view shows it.
bool moveTo(Grid &grid, int row, int column)
{
    const GridRange target = grid.mergedRangeAt(row, column);
    grid.setActiveCell(target.top, target.left);
    return true;
}

bool isBlank(const LineEdit &line)
{
    return line.name.isEmpty() && line.classify.isEmpty() && line.unit.isEmpty() &&
           line.price.text.isEmpty() && line.num.text.isEmpty() && line.desc.isEmpty();
}

} // namespace

ItemEditGrids::Layout ItemEditGrids::templateEditorLayout()
{
    return {{0, 121, 136, 81, 81, 136}, {0, 121, 70, 72, 72, 72, 72, 60}, TemplateGrey, 25};
}

ItemEditGrids::Layout ItemEditGrids::resourceEditorLayout()
{
    return {{0, 120, 150, 80, 120, 150}, {0, 120, 80, 85, 85, 85, 85, 65, 0}, ResourceGrey, 30};
}

ItemEditGrids::ItemEditGrids(Grid &itemGrid, Grid &lineGrid, Layout layout)
    : m_items(itemGrid), m_lines(lineGrid), m_layout(std::move(layout))
{
    setUpItemGrid();
    setUpLineGrid();
}

void ItemEditGrids::setUpItemGrid()
{
    Grid &g = m_items;
    sizeGrid(g, ItemRows, m_layout.itemWidths, m_layout.minimumRowHeight);
    g.setRangeLocked({0, 0, ItemRows - 1, 5}, true);
    for (int row = 1; row <= 4; ++row) {
        for (int column : {1, 3, 4})
            g.setBackground(row, column, m_layout.grey);
    }
    g.merge({1, 3, 4, 3});
    g.merge({3, 1, 4, 1});
    g.merge({3, 2, 4, 2});
    g.setText(1, 1, QStringLiteral("施工项目"));
    g.setText(2, 1, QStringLiteral("单位"));
    g.setText(3, 1, QStringLiteral("取材标准及施工说明"));
    g.setWrap(3, 1, true);
    g.setWrap(3, 2, true);
    g.setText(1, 3, QStringLiteral("单价"));
    g.setText(1, 4, QStringLiteral("材料"));
    g.setText(2, 4, QStringLiteral("机械台班"));
    g.setText(3, 4, QStringLiteral("人工"));
    g.setText(4, 4, QStringLiteral("管理费"));
    // Material and machine prices follow from the lines; the others are typed.
    const std::initializer_list<std::pair<int, int>> typed{{1, 2}, {2, 2}, {3, 2}, {3, 5}, {4, 5}};
    for (const auto &[row, column] : typed)
        g.setLocked(row, column, false);
}

void ItemEditGrids::setUpLineGrid()
{
    Grid &g = m_lines;
    const int columns = int(m_layout.lineWidths.size());
    sizeGrid(g, LineRows, m_layout.lineWidths, m_layout.minimumRowHeight);
    for (int c = 0; c < lineHeaders().size() && c < columns; ++c) {
        g.setText(1, c, lineHeaders().at(c));
        g.setBackground(1, c, m_layout.grey);
    }
    g.setRangeLocked({0, 0, 1, columns - 1}, true);
    // The kind is chosen from a menu and the delete cell is a button.
    g.setRangeLocked({FirstLineRow, Classify, LineRows - 1, Classify}, true);
    g.setRangeLocked({FirstLineRow, Delete, LineRows - 1, Delete}, true);
}

void ItemEditGrids::show(const ItemEdit &edit)
{
    m_shown = edit;
    Grid &g = m_items;
    g.beginUpdate();
    g.setText(1, 2, edit.name);
    g.setText(2, 2, edit.unit);
    g.setText(3, 2, edit.desc);
    g.setText(1, 5, edit.material.text);
    g.setText(2, 5, edit.machine.text);
    g.setText(3, 5, edit.labour.text);
    g.setText(4, 5, edit.management.text);
    g.endUpdate();
    m_lines.beginUpdate();
    for (int row = FirstLineRow; row < LineRows; ++row) {
        const qsizetype index = row - FirstLineRow;
        showLine(row, index < edit.lines.size() ? edit.lines.at(index) : LineEdit{});
        if (index >= edit.lines.size())
            m_lines.setImage(row, Delete, QString());
    }
    m_lines.endUpdate();
}

void ItemEditGrids::showLine(int row, const LineEdit &line)
{
    Grid &g = m_lines;
    g.setText(row, Name, line.name);
    g.setText(row, Classify, line.classify);
    g.setText(row, Unit, line.unit);
    g.setText(row, Price, line.price.text);
    g.setText(row, Num, line.num.text);
    g.setText(row, Desc, line.desc);
    g.setImage(row, Delete, deleteImageKey());
    if (hasCodeColumn())
        g.setText(row, Code, line.code);
}

NumberCell ItemEditGrids::cellNumber(const NumberCell &before, const QString &text)
{
    NumberCell cell = before.shownText.isNull() ? NumberCell::typed(text) : before;
    cell.text = text;
    return cell;
}

LineEdit ItemEditGrids::readLine(int row) const
{
    const qsizetype index = row - FirstLineRow;
    const LineEdit before = index < m_shown.lines.size() ? m_shown.lines.at(index) : LineEdit{};
    const Grid &g = m_lines;
    LineEdit line;
    line.name = g.text(row, Name);
    line.classify = g.text(row, Classify);
    line.unit = g.text(row, Unit);
    line.price = cellNumber(before.price, g.text(row, Price));
    line.num = cellNumber(before.num, g.text(row, Num));
    line.desc = g.text(row, Desc);
    // The template editor shows no code: its lines keep the one they had.
    line.code = hasCodeColumn() ? g.text(row, Code) : before.code;
    return line;
}

ItemEdit ItemEditGrids::read() const
{
    ItemEdit edit = m_shown;
    const Grid &g = m_items;
    edit.name = g.text(1, 2);
    edit.unit = g.text(2, 2);
    edit.desc = g.text(3, 2);
    edit.labour = cellNumber(m_shown.labour, g.text(3, 5));
    edit.management = cellNumber(m_shown.management, g.text(4, 5));
    edit.lines.clear();
    for (int row = FirstLineRow; row < LineRows; ++row)
        edit.lines.append(readLine(row));
    while (!edit.lines.isEmpty() && isBlank(edit.lines.last()))
        edit.lines.removeLast();
    // Lines the grid has no room for stay as they were.
    for (qsizetype i = ShownLines; i < m_shown.lines.size(); ++i)
        edit.lines.append(m_shown.lines.at(i));
    return edit;
}

bool ItemEditGrids::removeLineRow(int row)
{
    if (!isLineRow(row))
        return false;
    ItemEdit edit = read();
    if (!edit.removeLine(row - FirstLineRow))
        return false;
    show(edit);
    return true;
}

bool ItemEditGrids::kindMenuApplies(int row) const
{
    return isLineRow(row) && !m_lines.text(row, Name).isEmpty();
}

void ItemEditGrids::setKind(int row, const QString &kind)
{
    if (isLineRow(row))
        m_lines.setText(row, Classify, kind);
}

ItemEditGrids::Pane ItemEditGrids::keyPane() const
{
    return m_lines.activeRow() >= 0 ? Pane::Lines : Pane::Items;
}

bool ItemEditGrids::moveActiveCell(Pane pane, Move move)
{
    Grid &grid = pane == Pane::Lines ? m_lines : m_items;
    const int row = grid.activeRow();
    const int column = grid.activeColumn();
    if (row < 0 || column < 0)
        return false;
    const GridRange here = grid.mergedRangeAt(row, column);
    if (move == Move::Right) {
        for (int c = here.right + 1; c < grid.columnCount(); ++c) {
            if (grid.columnWidth(c) > 0)
                return moveTo(grid, row, c);
        }
        return false;
    }
    for (int r = here.bottom + 1; r < grid.rowCount(); ++r) {
        if (grid.rowHeight(r) > 0)
            return moveTo(grid, r, column);
    }
    return false;
}
