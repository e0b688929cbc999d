#include "contracts/grid.h"
#include "contracts/widgets/celltextfit.h"
#include "contracts/widgets/gridqt.h"
#include "contracts/widgets/qttextmeasure.h"

#include "widgettestsupport.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

TEST(QtTextMeasure, WrappedTextNeedsMoreLinesInNarrowCells)
{
    testApplication();
    const QtTextMeasure measure;
    const GridFont font{QStringLiteral("微软雅黑"), 12, false};
    const QString text = QStringLiteral("园路铺装 花岗岩 600×300×30 含垫层与勾缝");

    const int oneLine = measure.textHeight(QStringLiteral("园"), font, 400, true);
    const int wide = measure.textHeight(text, font, 2000, true);
    const int narrow = measure.textHeight(text, font, 80, true);
    const int unwrapped = measure.textHeight(text, font, 80, false);

    EXPECT_EQ(wide, oneLine);
    EXPECT_GE(narrow, 3 * (oneLine - QtTextMeasure::CellPadding));
    EXPECT_EQ(unwrapped, oneLine);
    EXPECT_GT(measure.textHeight(QStringLiteral("a\nb"), font, 400, false), oneLine);
}

// Heights are remembered per text, font, width and wrap setting: a repeat answers what
// a fresh measure answers, and a change of any one of them is measured anew.
TEST(QtTextMeasure, RepeatedTextsAnswerAsWhenFirstMeasured)
{
    testApplication();
    const QString text = QStringLiteral("园路铺装 花岗岩 600×300×30 含垫层与勾缝");
    const GridFont small{QStringLiteral("微软雅黑"), 12, false};
    const GridFont large{QStringLiteral("微软雅黑"), 24, false};
    const GridFont bold{QStringLiteral("微软雅黑"), 12, true};
    const struct {
        GridFont font;
        int width;
        bool wrap;
    } cases[] = {
        {small, 80, true}, {small, 2000, true}, {small, 80, false}, {large, 80, true}, {bold, 80, true}};
    const QtTextMeasure remembering;
    QList<int> first;
    for (const auto &c : cases)
        first << remembering.textHeight(text, c.font, c.width, c.wrap);
    EXPECT_GT(first.at(0), first.at(1));
    EXPECT_GT(first.at(3), first.at(0));
    for (int round = 0; round < 2; ++round) {
        for (qsizetype i = std::size(cases); i-- > 0;) {
            const QtTextMeasure fresh;
            const auto &c = cases[i];
            EXPECT_EQ(remembering.textHeight(text, c.font, c.width, c.wrap), first.at(i)) << i;
            EXPECT_EQ(fresh.textHeight(text, c.font, c.width, c.wrap), first.at(i)) << i;
        }
    }
}

TEST(CellTextFit, OnlyBlanksAndCjkCharactersAreBreakOpportunities)
{
    const std::vector<std::pair<QString, bool>> cases = {
        {QStringLiteral("¥1234.50"), true},   {QStringLiteral("0.00%"), true},
        {QStringLiteral("600×300×30"), true}, {QStringLiteral("m²"), true},
        {QStringLiteral("Excel"), true},      {QStringLiteral("12.5 m"), false},
        {QStringLiteral("工程量"), false},    {QStringLiteral("A，B"), false},
    };
    for (const auto &[text, unbreakable] : cases)
        EXPECT_EQ(CellTextFit::isUnbreakable(text), unbreakable) << text.toStdString();
}

// Widths and heights are given relative to the text's own size, so the cases hold for any font installed.
struct FitCase {
    const char *name;
    QString text;
    double width; // times the text's width at full size
    double lines; // height in lines of the smallest size; 0 is unlimited
    bool wrap;
    bool natural;
    int lineCount;   // of a fitted layout; 0 is more than one
    bool shrunkOnly; // one line above the smallest size
    bool elided;
};

class CellTextFitCases : public ::testing::Test
{
protected:
    QApplication &app = testApplication();
    QFont font = GridQt::font({QStringLiteral("微软雅黑"), 12, false});
};

TEST_F(CellTextFitCases, NumbersShrinkBeforeTheyBreakAndCaptionsBeforeTheyWrap)
{
    const QString description = QStringLiteral("场地厚度在正负30cm以内的挖填找平，清除杂草");
    const std::vector<FitCase> cases = {
        {"number that fits", QStringLiteral("12.50"), 1.05, 0, true, true, 0, false, false},
        {"number in a narrow column", QStringLiteral("12.50"), 0.85, 0, true, false, 1, true, false},
        {"percentage in a narrow column", QStringLiteral("0.00%"), 0.8, 3, true, false, 1, true, false},
        {"money in a narrow single-line cell", QStringLiteral("¥1234.50"), 0.75, 1, false, false, 1, true,
         false},
        {"long number in a tall cell", QStringLiteral("¥123456789.50"), 0.3, 0, true, false, 1, false, true},
        {"long number in a short cell", QStringLiteral("¥123456789.50"), 0.3, 1.5, true, false, 1, false,
         true},
        {"caption in a narrow column", QStringLiteral("工程量"), 0.8, 1, false, false, 1, true, false},
        {"caption in a tall narrow column", QStringLiteral("取材标准及施工说明"), 0.4, 2, false, false, 2,
         false, false},
        {"caption in a short narrow column", QStringLiteral("取材标准及施工说明"), 0.4, 1, false, false, 1,
         false, true},
        {"wrapped description", description, 0.3, 0, true, true, 0, false, false},
    };
    const qreal minimum = CellTextFit::minimumScale(font);
    const QFont smallest = CellTextFit::scaled(font, minimum);
    for (const FitCase &c : cases) {
        SCOPED_TRACE(c.name);
        const qreal width = c.width * QFontMetricsF(font).horizontalAdvance(c.text);
        const qreal height = c.lines > 0 ? c.lines * CellTextFit::lineHeight(smallest) : 1e6;
        const CellTextFit::Layout layout = CellTextFit::fit(c.text, font, width, height, c.wrap);
        EXPECT_EQ(layout.natural, c.natural);
        if (layout.natural)
            continue;
        if (c.lineCount > 0) {
            EXPECT_EQ(layout.lines.size(), c.lineCount);
        } else {
            EXPECT_GT(layout.lines.size(), 1);
        }
        EXPECT_EQ(layout.elided, c.elided);
        EXPECT_EQ(layout.scale > minimum && layout.scale < 1, c.shrunkOnly) << layout.scale;
        // Nothing is drawn below the legible size.
        EXPECT_GE(CellTextFit::scaled(font, layout.scale).pointSizeF(), CellTextFit::LegiblePointSize - 1e-6);
        if (!c.elided) {
            EXPECT_EQ(layout.lines.join(QString()), c.text); // nothing lost, nothing added
        }
        const QFontMetricsF metrics(CellTextFit::scaled(font, layout.scale));
        const qreal room = CellTextFit::fittedArea(QRectF(0, 0, width, height)).width();
        for (const QString &line : layout.lines)
            EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
    }
}

// A row fitted to its text is tall enough for the text to be painted whole in it.
TEST_F(CellTextFitCases, MeasuredHeightHoldsThePaintedLines)
{
    const QtTextMeasure measure;
    const GridFont gridFont{QStringLiteral("微软雅黑"), 12, false};
    const int oneLine = measure.textHeight(QStringLiteral("园"), gridFont, 400, true);
    for (const QString &text :
         {QStringLiteral("0.00%"), QStringLiteral("¥2381.13"), QStringLiteral("¥123456789.50")}) {
        const int natural = int(QFontMetricsF(font).horizontalAdvance(text));
        for (const int cellWidth : {natural / 3, natural * 3 / 4, natural + 20}) {
            SCOPED_TRACE(text.toStdString() + " in " + std::to_string(cellWidth));
            const int rowHeight = measure.textHeight(text, gridFont, cellWidth, true);
            const QRectF area = CellTextFit::textArea(
                QRectF(0, 0, cellWidth - CellTextFit::GridLine, rowHeight - CellTextFit::GridLine));
            EXPECT_EQ(area.width(), CellTextFit::textWidth(cellWidth));
            const CellTextFit::Layout layout =
                CellTextFit::fit(text, font, area.width(), area.height(), true);
            // A number stays on one line, cut with an ellipsis where even the legible size is too wide.
            EXPECT_LE(layout.lines.size(), 1);
            EXPECT_EQ(rowHeight > oneLine, !layout.natural && layout.lines.size() > 1);
        }
    }
}

// Texts of the kinds a table holds, and some that no shortcut may take for one line.
QStringList variedTexts()
{
    return {QStringLiteral("3.500"),
            QStringLiteral("¥1234.50"),
            QStringLiteral("123456789.50"),
            QStringLiteral("0.00%"),
            QStringLiteral("m²"),
            QStringLiteral("株"),
            QStringLiteral("项目12-34"),
            QStringLiteral("园路铺装 花岗岩 600×300×30 含垫层与勾缝"),
            QStringLiteral("取材标准及施工说明，第12项的做法与要求。"),
            QStringLiteral("AVATAR WAVE Tr. ff fi"),
            QStringLiteral("Excel  "),
            QStringLiteral("  12"),
            QStringLiteral("a\tb"),
            QStringLiteral("第一行\n第二行"),
            QStringLiteral("12\u00a0345"),
            QStringLiteral("soft\u00adhyphen"),
            QStringLiteral("e\u0301te\u0301"),
            QStringLiteral("zero\u200bwidth"),
            QStringLiteral("树\U0001F333木"),
            QStringLiteral("ﾃｽﾄ한글"),
            QString()};
}

class PlainMeasure : public GridTextMeasure
{
public:
    int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const override
    {
        return QtTextMeasure::laidOutHeight(text, font, width, wrap);
    }
};

// The heights a measure answers without laying a text out are the heights of the full layout, in
// every cell width around the one where the text stops fitting on a line, for every font.
TEST(QtTextMeasure, ShortcutsAnswerTheHeightsOfTheFullLayout)
{
    testApplication();
    const QList<GridFont> fonts = {{QString(), 0, false},
                                   {QStringLiteral("微软雅黑"), 12, false},
                                   {QStringLiteral("微软雅黑"), 12, true},
                                   {QStringLiteral("微软雅黑"), 9, false},
                                   {QStringLiteral("宋体"), 20, true},
                                   {QStringLiteral("DejaVu Serif"), 11, false}};
    const QtTextMeasure measure;
    for (const GridFont &font : fonts) {
        const QFont qfont = GridQt::font(font);
        for (const QString &text : variedTexts()) {
            const int natural = int(QFontMetricsF(qfont).horizontalAdvance(text));
            QList<int> widths = {1, 10, 30, 2000};
            for (int w = std::max(1, natural - 30); w <= natural + 40; ++w)
                widths << w;
            for (const int width : widths) {
                for (const bool wrap : {true, false}) {
                    SCOPED_TRACE(text.toStdString() + " in " + std::to_string(width) + " with " +
                                 font.name.toStdString() + " " + std::to_string(font.size));
                    EXPECT_EQ(measure.textHeight(text, font, width, wrap),
                              QtTextMeasure::laidOutHeight(text, font, width, wrap));
                }
            }
        }
    }
}

// Rows fitted through the measure's shortcuts stand exactly as tall as rows fitted to full layouts,
// in a table of wrapped names, long numbers, merged cells and a hidden column, at many column widths.
TEST(QtTextMeasure, FittedRowsStandAsTallAsWithFullLayouts)
{
    testApplication();
    const auto fill = [](Grid &grid) {
        grid.setDefaultFont({QStringLiteral("微软雅黑"), 10, false});
        const QStringList texts = variedTexts();
        for (int r = 0; r < grid.rowCount(); ++r) {
            for (int c = 0; c < grid.columnCount(); ++c) {
                grid.setText(r, c, texts.at((r * 5 + c * 3) % texts.size()) + QString::number(r * c));
                grid.setWrap(r, c, (r + c) % 4 != 0);
            }
            grid.setBold(r, r % 7, r % 3 == 0);
            grid.setFontSize(r, (r + 2) % 7, 8 + r % 9);
        }
        grid.merge({2, 0, 4, 0});  // down: not counted for the rows it covers
        grid.merge({6, 1, 6, 3});  // across: the joined width counts
        grid.merge({9, 4, 10, 6}); // both
    };
    Grid fast(24, 7);
    Grid plain(24, 7);
    fill(fast);
    fill(plain);
    const QtTextMeasure measure;
    const PlainMeasure full;
    const int widths[] = {40, 64, 0, 96, 23, 150, 52};
    for (int extra = 0; extra <= 60; ++extra) {
        for (int c = 0; c < fast.columnCount(); ++c) {
            const int width = widths[c] > 0 ? widths[c] + extra : 0;
            fast.setColumnWidth(c, width);
            plain.setColumnWidth(c, width);
        }
        for (int r = 0; r < fast.rowCount(); ++r) {
            fast.fitRowHeight(r, measure);
            plain.fitRowHeight(r, full);
            EXPECT_EQ(fast.rowHeight(r), plain.rowHeight(r)) << "row " << r << ", columns wider by " << extra;
        }
    }
}

} // namespace
