#include "contracts/widgets/qttextmeasure.h"

#include "widgettestsupport.h"

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

} // namespace
