#include "contracts/widgets/gridmodel.h"

#include "contracts/grid.h"
#include "contracts/gridupdateguard.h"
#include "widgettestsupport.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class GridModelTest : public ::testing::Test
{
protected:
    void SetUp() override { testApplication(); }

    Grid grid{4, 5};
    GridModel model{&grid};
};

TEST_F(GridModelTest, AlignmentCodesMapToQtAlignment)
{
    const struct {
        int code;
        Qt::Alignment expected;
    } cases[] = {
        {5, Qt::AlignLeft | Qt::AlignTop},
        {6, Qt::AlignLeft | Qt::AlignVCenter},
        {10, Qt::AlignHCenter | Qt::AlignVCenter},
        {14, Qt::AlignRight | Qt::AlignVCenter},
        {7, Qt::AlignLeft | Qt::AlignBottom},
    };
    for (const auto &c : cases) {
        grid.setAlignment(1, 2, c.code);
        const auto shown = model.data(model.index(1, 2), Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_EQ(shown, c.expected) << "code " << c.code;
    }
}

TEST_F(GridModelTest, ReadsTextColourAndFontOfTheCell)
{
    grid.setText(2, 3, QStringLiteral("人工费"));
    grid.setBackground(2, 3, 0xCBE8FB);  // red in the low byte
    grid.setFontName(2, 3, QStringLiteral("微软雅黑"));
    grid.setFontSize(2, 3, 13);
    grid.setBold(2, 3, true);

    const QModelIndex cell = model.index(2, 3);
    EXPECT_EQ(model.data(cell).toString(), QStringLiteral("人工费"));
    EXPECT_EQ(model.data(cell, Qt::EditRole).toString(), QStringLiteral("人工费"));
    EXPECT_EQ(model.data(cell, Qt::BackgroundRole).value<QColor>(), QColor(0xFB, 0xE8, 0xCB));
    const QFont font = model.data(cell, Qt::FontRole).value<QFont>();
    EXPECT_EQ(font.families().value(0), QStringLiteral("微软雅黑"));
    EXPECT_EQ(font.pointSize(), 13);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::FontRole).value<QFont>().bold());
}

TEST_F(GridModelTest, ImageOfTheCellComesFromTheImageList)
{
    grid.addImage(QStringLiteral("room"), {QStringLiteral("room.png"), pngBytes(30, 12, Qt::red)});
    grid.setImage(1, 1, QStringLiteral("room"));
    grid.setImage(1, 2, QStringLiteral("missing"));

    const QImage shown = model.data(model.index(1, 1), Qt::DecorationRole).value<QImage>();
    EXPECT_EQ(shown.size(), QSize(30, 12));
    EXPECT_EQ(QColor(shown.pixel(5, 5)), QColor(Qt::red));
    EXPECT_FALSE(model.data(model.index(1, 2), Qt::DecorationRole).isValid());

    // Replacing the entry must not show the old decoded picture.
    grid.addImage(QStringLiteral("room"), {QStringLiteral("room.png"), pngBytes(8, 8, Qt::blue)});
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DecorationRole).value<QImage>().size(), QSize(8, 8));
}

TEST_F(GridModelTest, OnlyUnlockedCellsTakeEdits)
{
    grid.setText(0, 1, QStringLiteral("名称"));
    grid.setLocked(0, 1, true);
    QSignalSpy edited(&model, &GridModel::cellEdited);

    EXPECT_FALSE(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(model.setData(model.index(0, 1), QStringLiteral("x")));
    EXPECT_EQ(grid.text(0, 1), QStringLiteral("名称"));

    EXPECT_TRUE(model.flags(model.index(2, 1)).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(model.setData(model.index(2, 1), QStringLiteral("12.5")));
    EXPECT_EQ(grid.text(2, 1), QStringLiteral("12.5"));
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited.at(0).at(0).toInt(), 2);
    EXPECT_EQ(edited.at(0).at(1).toInt(), 1);
}

TEST_F(GridModelTest, GridChangesReachTheModelConsistently)
{
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    grid.insertRows(1, 2);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 1);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 2);
    EXPECT_EQ(model.rowCount(), 6);

    grid.setText(5, 4, QStringLiteral("末"));
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).value<QModelIndex>(), model.index(5, 4));

    {
        GridUpdateGuard batch(grid);
        for (int i = 0; i < 100; ++i)
            grid.appendRow();
        grid.removeRows(0, 3);
        grid.insertColumns(0, 1);
    }
    EXPECT_EQ(inserted.size(), 1);
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(model.rowCount(), 103);
    EXPECT_EQ(model.columnCount(), 6);

    grid.removeRows(10, 5);
    grid.removeColumns(0, 2);
    EXPECT_EQ(model.rowCount(), 98);
    EXPECT_EQ(model.columnCount(), 4);
}

} // namespace
