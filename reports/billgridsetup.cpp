#include "billgridsetup.h"

#include "billtexts.h"
#include "contracts/grid.h"
#include "contracts/gridalignment.h"
#include "contracts/gridtextmeasure.h"
#include "contracts/gridupdateguard.h"

#include <algorithm>

namespace BillGridSetup {

namespace {

const QString TitleFont = QStringLiteral("微软雅黑");
constexpr int TitleFontSize = 13;
constexpr int HeaderLineHeight = 30;
constexpr int TitleTopHeight = 8;

// Column anchors of the three header blocks of rows 2 and 3.
struct HeaderBlocks {
    std::array<int, 3> first;
    int last;
};

constexpr HeaderBlocks ResourceBlocks{{1, 4, 7}, 8};
constexpr HeaderBlocks BillBlocks{{1, 6, 13}, 17};

void prepareShape(Grid &grid, int columns, int fixedRows)
{
    // Columns change while the grid holds no rows: cheaper, and it keeps the
    // reshaping of existing rows out of the set-up.
    grid.clear();
    grid.setRowCount(0);
    grid.setColumnCount(columns);
    grid.setRowCount(HeaderRows);
    grid.setFixedColumnCount(1);
    grid.setFixedRowCount(fixedRows);
}

void setUpTitle(Grid &grid, int lastColumn, int fontColumns, bool bold)
{
    grid.merge({0, 1, 1, lastColumn});
    const GridRange fontRange{0, 1, 1, fontColumns};
    grid.setRangeFontSize(fontRange, TitleFontSize);
    grid.setRangeFontName(fontRange, TitleFont);
    grid.setRangeBold(fontRange, bold);
    grid.setRowHeight(0, TitleTopHeight);
}

void setUpHeaderLines(Grid &grid, const HeaderBlocks &blocks)
{
    const std::array<QString, 3> captions2{QStringLiteral("项目地址:"), QStringLiteral("项目类型:"),
                                           QStringLiteral("设计师:")};
    const std::array<QString, 3> captions3{QStringLiteral("客户姓名:"), QStringLiteral("建筑面积:"),
                                           QStringLiteral("造价员:")};
    for (int row = 2; row <= 3; ++row) {
        const auto &captions = row == 2 ? captions2 : captions3;
        for (int b = 0; b < 3; ++b) {
            const int left = blocks.first[b];
            const int right = b < 2 ? blocks.first[b + 1] - 1 : blocks.last;
            grid.setText(row, left, captions[b]);
            grid.merge({row, left, row, right});
        }
        grid.setRangeAlignment({row, 1, row, blocks.last}, GridAlignment::LeftMiddle);
        grid.setRowHeight(row, HeaderLineHeight);
    }
}

void writeCaptions(Grid &grid, int row, int firstColumn, const QStringList &captions)
{
    for (int i = 0; i < captions.size(); ++i)
        grid.setText(row, firstColumn + i, captions[i]);
}

void appendFooters(Grid &grid, int lastColumn, const QString &total)
{
    grid.setRowCount(HeaderRows);
    grid.setRowCount(HeaderRows + 2);
    for (int row = HeaderRows; row < HeaderRows + 2; ++row) {
        grid.merge({row, 1, row, lastColumn});
        grid.setRowHeight(row, FooterHeight);
    }
    grid.setText(HeaderRows, 1, total);
    grid.setText(HeaderRows + 1, 1, BillTexts::signatureLine());
}

QString valueOrEmpty(const QString &value, const QString &caption)
{
    return value == caption ? QString() : value;
}

void fillHeaderValues(Grid &grid, const ProjectInfo &info, int secondBlock)
{
    grid.setText(2, 1, QStringLiteral("项目地址:") + valueOrEmpty(info.address, QStringLiteral("项目地址")));
    grid.setText(2, secondBlock,
                 QStringLiteral("项目类型:") + valueOrEmpty(info.model, QStringLiteral("项目类型")));
    grid.setText(3, 1, QStringLiteral("客户姓名:") + valueOrEmpty(info.customer, QStringLiteral("客户姓名")));
    grid.setText(3, secondBlock,
                 QStringLiteral("建筑面积:") + valueOrEmpty(info.area, QStringLiteral("建筑面积")));
}

// Rows fitted to the old widths are fitted again: a narrower description needs more lines.
void setWidths(Grid &grid, const BillWidths &widths, const GridTextMeasure *measure = nullptr)
{
    bool changed = false;
    for (int c = 0; c < BillColumns; ++c) {
        changed = changed || grid.columnWidth(c) != widths[std::size_t(c)];
        grid.setColumnWidth(c, widths[std::size_t(c)]);
    }
    if (!changed || !measure)
        return;
    GridUpdateGuard guard(grid);
    for (int row = HeaderRows; row <= grid.rowCount() - 3; ++row) {
        // Room rows keep their own height; their texts are joined over many columns.
        if (!grid.isMerged(row, DescriptionColumn))
            grid.fitRowHeight(row, *measure);
    }
}

} // namespace

void setUpResourceGrid(Grid &grid, ResourceListKind kind, Precision precision)
{
    GridUpdateGuard guard(grid);
    prepareShape(grid, ResourceColumns, 5);
    const std::array<int, ResourceColumns> widths{0, 50, 80, 140, 140, 120, 80, 80, 140};
    for (int c = 0; c < ResourceColumns; ++c)
        grid.setColumnWidth(c, widths[std::size_t(c)]);
    setUpTitle(grid, 8, 8, true);
    setUpHeaderLines(grid, ResourceBlocks);
    writeCaptions(grid, 4, 1,
                  {QStringLiteral("序号"), QStringLiteral("编号"), BillTexts::nameCaption(kind),
                   QStringLiteral("单位"), QStringLiteral("数量"), QStringLiteral("单价"),
                   QStringLiteral("合计"), QStringLiteral("备注")});
    grid.setText(5, 1, BillTexts::sectionLabel(kind));
    grid.merge({5, 1, 5, 8});
    grid.setRangeBackground({4, 1, 5, 8}, CaptionGrey);
    grid.setRangeAlignment({4, 1, 5, 8}, GridAlignment::Centre);
    resetResourceFooters(grid, kind, precision);
}

void setUpBillGrid(Grid &grid, Precision precision)
{
    GridUpdateGuard guard(grid);
    prepareShape(grid, BillColumns, HeaderRows);
    applyBillWidths(grid, true, true);
    grid.setColumnNumberFormat(7, GridColumn::NumericKind, 2);
    grid.setColumnNumberFormat(8, GridColumn::NumericKind, 2);
    setUpTitle(grid, 17, 6, false);
    setUpHeaderLines(grid, BillBlocks);
    grid.setText(4, 9, QStringLiteral("单价"));
    grid.merge({4, 9, 4, 12});
    grid.setAlignment(4, 9, GridAlignment::Centre);
    grid.merge({4, 1, 4, 3});
    grid.setRangeBackground({4, 1, 5, 17}, CaptionGrey);
    writeCaptions(grid, 5, 2,
                  {QString(), QStringLiteral("施工项目"), QStringLiteral("取材标准及施工说明"),
                   QStringLiteral("单位"), QStringLiteral("工程量"), QStringLiteral("耗损"),
                   QStringLiteral("税金"), QStringLiteral("材料"), QStringLiteral("机械台班"),
                   QStringLiteral("人工"), QStringLiteral("管理费"), QStringLiteral("材料小计"),
                   QStringLiteral("机械台班小计"), QStringLiteral("人工小计"), QStringLiteral("管理费小计"),
                   QStringLiteral("合计")});
    grid.setRangeAlignment({5, 1, 5, 17}, GridAlignment::Centre);
    grid.merge({5, 1, 5, 3});
    resetBillFooters(grid, precision);
}

void resetResourceFooters(Grid &grid, ResourceListKind kind, Precision precision)
{
    appendFooters(grid, 8, BillTexts::footerTotal(kind, 0.0f, precision));
}

void resetBillFooters(Grid &grid, Precision precision)
{
    appendFooters(grid, 16, BillTexts::emptyBillTotal(precision));
}

BillWidths billWidths(bool showLoss, bool showTax)
{
    // Columns 5-8 share the room the hidden loss and tax columns leave.
    const int shared = showLoss && showTax ? 30 : (showLoss || showTax ? 40 : 60);
    return {0,  50, 20, 100, 115, shared, shared, showLoss ? shared : 0, showTax ? shared : 0, 58, 61,
            58, 58, 75, 78,  75,  75,     70};
}

BillWidths widenedToNeeds(BillWidths widths, const BillWidths &needed)
{
    int wanted = 0;
    for (const int column : OneLineColumns) {
        const auto c = std::size_t(column);
        // A hidden column stays hidden whatever its texts.
        if (widths[c] > 0 && widths[c] < needed[c]) {
            wanted += needed[c] - widths[c];
            widths[c] = needed[c];
        }
    }
    const auto give = [&](int column, int narrowest) {
        int &width = widths[std::size_t(column)];
        const int given = std::clamp(width - narrowest, 0, wanted);
        width -= given;
        wanted -= given;
    };
    give(DescriptionColumn, std::max(needed[DescriptionColumn], NarrowestDescription));
    give(NameColumn, NarrowestName);
    give(DescriptionColumn, NarrowestDescription);
    return widths;
}

BillWidths neededWidths(const Grid &grid, const GridTextMeasure &measure)
{
    BillWidths needed{};
    const int captionRow = HeaderRows - 1;
    needed[DescriptionColumn] =
        std::max(0, measure.legibleWidth(grid.text(captionRow, DescriptionColumn), grid.font(captionRow, DescriptionColumn)));
    // The estimate rows lie between the header and the total and signature lines.
    const int lastRow = grid.rowCount() - 3;
    for (int row = HeaderRows; row <= lastRow; ++row) {
        for (const int column : OneLineColumns) {
            // A cell of a joined range (the room total) is not drawn in its own column.
            if (grid.isMerged(row, column))
                continue;
            const QString text = grid.text(row, column);
            if (text.isEmpty())
                continue;
            int &need = needed[std::size_t(column)];
            need = std::max(need, measure.legibleWidth(text, grid.font(row, column)));
        }
    }
    return needed;
}

void applyBillWidths(Grid &grid, bool showLoss, bool showTax, const GridTextMeasure *measure)
{
    const BillWidths written = billWidths(showLoss, showTax);
    setWidths(grid, measure ? widenedToNeeds(written, neededWidths(grid, *measure)) : written, measure);
}

void fitBillWidths(Grid &grid, const GridTextMeasure &measure)
{
    BillWidths present{};
    for (int c = 0; c < BillColumns; ++c)
        present[std::size_t(c)] = grid.columnWidth(c);
    setWidths(grid, widenedToNeeds(present, neededWidths(grid, measure)), &measure);
}

QString projectTitle(const ProjectInfo &info)
{
    return info.name.isEmpty() || info.name == QStringLiteral("项目名称") ? QStringLiteral("新工程")
                                                                          : info.name;
}

void fillBillHeader(Grid &grid, const ProjectInfo &info)
{
    grid.setText(0, 1, projectTitle(info) + BillTexts::titleSuffix(0));
    fillHeaderValues(grid, info, BillBlocks.first[1]);
}

void fillResourceHeader(Grid &grid, ResourceListKind kind, const ProjectInfo &info)
{
    grid.setText(0, 1,
                 projectTitle(info) + BillTexts::titleSuffix(kind == ResourceListKind::Material ? 1 : 2));
    fillHeaderValues(grid, info, ResourceBlocks.first[1]);
}

} // namespace BillGridSetup
