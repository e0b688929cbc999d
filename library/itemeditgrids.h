#pragma once

#include "itemedit.h"

#include <QList>
#include <QString>

class Grid;

// The item grid and the line grid of the two item editors: what ItemEdit
// holds, laid out in cells (greys, merges, prices with two decimals, the
// delete image), and read back from the cells the user typed into.
class ItemEditGrids
{
public:
    struct Layout {
        QList<int> itemWidths;
        QList<int> lineWidths; // a ninth column holds the line's code
        quint32 grey = 0;
        int minimumRowHeight = 0;
    };

    static constexpr int ItemRows = 5;
    static constexpr int LineRows = 31;
    static constexpr int FirstLineRow = 2;
    static constexpr int ShownLines = LineRows - FirstLineRow;
    // Line grid columns.
    enum LineColumn { Name = 1, Classify, Unit, Price, Num, Desc, Delete, Code };

    static Layout templateEditorLayout();
    static Layout resourceEditorLayout();
    static QString deleteImageKey() { return QStringLiteral("del"); }
    static QString moreImageKey() { return QStringLiteral("carNo"); }

    ItemEditGrids(Grid &itemGrid, Grid &lineGrid, Layout layout);

    // Puts the edit into the cells; lines beyond the grid are kept aside.
    void show(const ItemEdit &edit);
    // The edit as the cells hold it now.
    ItemEdit read() const;
    // A click on a line row's delete cell: the row goes when it holds a name or a unit.
    bool removeLineRow(int row);
    // The kind menu applies to line rows that hold a name.
    bool kindMenuApplies(int row) const;
    void setKind(int row, const QString &kind);
    bool isLineRow(int row) const { return row >= FirstLineRow && row < LineRows; }

    enum class Pane { Items, Lines };
    enum class Move { Right, Down };
    // The pane the keys act on when neither grid has the keyboard: the line grid when it
    // has an active cell, otherwise the item grid.
    Pane keyPane() const;
    // Tab (Right) moves a pane's active cell to the next column the user can see, past the
    // merged range it lies in (the hidden code column is never entered); Enter (Down) to the
    // next row with a height. At the grid's edge it stays. False when nothing moved.
    bool moveActiveCell(Pane pane, Move move);

private:
    void setUpItemGrid();
    void setUpLineGrid();
    void showLine(int row, const LineEdit &line);
    LineEdit readLine(int row) const;
    static NumberCell cellNumber(const NumberCell &before, const QString &text);
    bool hasCodeColumn() const { return m_layout.lineWidths.size() > Code; }

    Grid &m_items;
    Grid &m_lines;
    Layout m_layout;
    ItemEdit m_shown;
};
