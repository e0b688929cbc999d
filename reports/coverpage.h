#pragma once

#include <QStringList>

#include <array>

class Grid;

// The cover page of a printed list: six captions, each with the value read from
// the list's header cells.
namespace CoverPage {

inline constexpr int LineCount = 6;

// "项目地址:", "客户姓名:", "项目类型:", "建筑面积:", "设计师:", "造价员:".
const std::array<QString, LineCount> &captions();

struct Cell {
    int row;
    int column;
};

// The header cells holding the values, in caption order; `list` is a BillLists::List.
std::array<Cell, LineCount> valueCells(int list);

// Each value is its cell's text with every occurrence of its caption taken out.
QStringList values(const Grid &grid, int list);

} // namespace CoverPage
