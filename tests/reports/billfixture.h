#pragma once

#include "testsupport.h"

#include "estimate/budgettable.h"
#include "estimate/estimate.h"
#include "estimate/estimatedocument.h"
#include "estimate/prompter.h"
#include "estimate/roompictures.h"
#include "reports/billlists.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

struct SilentPrompter : Prompter {
    int ask(int, int) override { return Prompter::Yes; }
    void notify(int, int) override {}
    std::optional<QString> promptRoomName(const QString &defaultName) override { return defaultName; }
};

// The list pane next to the budget table that writes the bill's estimate rows.
class BillTableFixture : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    CharacterWidthMeasure measure;
    EstimateDocument doc;
    Estimate &estimate = doc.estimate();
    Grid tableGrid;
    DocumentState &document = doc.state();
    RateSettings rates;
    TableSharedState shared;
    BillLists lists{measure, shared};
    RoomPictures pictures{dir.path(), QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/icon_Pen_back.bmp")};
    SilentPrompter prompter;
    BudgetTable table{{doc, tableGrid, lists.billGrid(), rates, shared, pictures, prompter}};

    void setUpGrids()
    {
        lists.setUp(2);
        table.setUpGrid(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources"));
    }
};
