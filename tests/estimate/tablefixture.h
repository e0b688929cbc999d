#pragma once

#include "contracts/grid.h"
#include "estimate/budgettable.h"
#include "estimate/itemoperations.h"
#include "estimate/libraryitems.h"
#include "estimate/prompter.h"
#include "estimate/roompictures.h"
#include "estimate/tablesharedstate.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

// A library held as a plain list; tree nodes are the list positions + 100.
struct FakeLibrary : LibraryItems {
    QList<ConstructItem> items;
    bool editable = true;

    const ConstructItem *findByTreeNode(qint64 node) const override
    {
        const qint64 i = node - 100;
        return i >= 0 && i < items.size() ? &items.at(i) : nullptr;
    }
    const ConstructItem *findByNameNoBlanks(const QString &name) const override
    {
        for (const ConstructItem &item : items) {
            if (QString(item.itemName).remove(QLatin1Char(' ')) == name)
                return &item;
        }
        return nullptr;
    }
    QStringList categoryNames() const override
    {
        QStringList names;
        for (int i = 0; i < items.size(); ++i) {
            if (i == 0 || items.at(i).categoryName != items.at(i - 1).categoryName)
                names << items.at(i).categoryName;
        }
        return names;
    }
    bool insertIntoCategory(const ConstructItem &item, int position) override
    {
        const QStringList names = categoryNames();
        if (position < 0 || position >= names.size())
            return false;
        ConstructItem entered = item;
        int first = -1;
        for (int i = 0; i < items.size(); ++i) {
            if (items.at(i).categoryName != names.at(position))
                continue;
            if (first < 0)
                first = i;
            if (items.at(i).itemName == item.itemName) {
                entered.categoryName = items.at(i).categoryName;
                entered.categoryKind = items.at(i).categoryKind;
                items[i] = entered;
                return true;
            }
        }
        entered.categoryName = items.at(first).categoryName;
        entered.categoryKind = items.at(first).categoryKind;
        items.insert(first + 1, entered);
        return true;
    }
    bool canEditTemplate() const override { return editable; }
};

// Answers prompts from a queue and records what was shown.
struct FakePrompter : Prompter {
    // Typed names in order; Skip stands for the user pressing "跳过".
    static inline const QString Skip = QStringLiteral("<skip>");
    QStringList names;
    int answer = Prompter::Yes;
    QList<int> asked;
    QList<int> notified;

    int ask(int message, int) override
    {
        asked << message;
        return answer;
    }
    void notify(int message, int) override { notified << message; }
    std::optional<QString> promptRoomName(const QString &defaultName) override
    {
        if (names.isEmpty())
            return defaultName;
        const QString name = names.takeFirst();
        if (name == Skip)
            return std::nullopt;
        return name;
    }
};

inline ConstructItem makeItem(const QString &kind, const QString &name, float material = 10.0f)
{
    ConstructItem item;
    item.categoryName = kind + QStringLiteral("类");
    item.categoryKind = kind;
    item.itemName = name;
    item.itemDesc = name + QStringLiteral("说明");
    item.brand.unit = QStringLiteral("m²");
    item.brand.num = 2.0f;
    item.brand.material = material;
    item.brand.laborcost = 3.0f;
    return item;
}

class TableFixture : public ::testing::Test
{
protected:
    TableFixture()
        : bill(8, 18),
          pictures(dir.path(), QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/icon_Pen_back.bmp")),
          table({doc, grid, bill, rates, shared, pictures, prompter}), operations(table, library)
    {
        table.setUpGrid(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources"));
    }

    // Rows of the estimate as "room" / "kind:name:number" texts, read from the table grid.
    QStringList tableRows() const
    {
        QStringList out;
        for (int i = 0; i < estimate.rowCount(); ++i) {
            const int r = i + 3;
            if (estimate.rows().at(i).isRoom())
                out << QStringLiteral("[") + estimate.rows().at(i).room.name + QStringLiteral("]");
            else
                out << grid.text(r, 1) + u':' + grid.text(r, 3) + u':' + grid.text(r, 2);
        }
        return out;
    }
    void insert(int roomGridRow, const QString &kind, const QString &name)
    {
        ASSERT_TRUE(table.insertItem(roomGridRow, makeItem(kind, name)));
    }

    QTemporaryDir dir;
    EstimateDocument doc;
    Estimate &estimate = doc.estimate();
    Grid grid;
    Grid bill;
    DocumentState &document = doc.state();
    RateSettings rates;
    TableSharedState shared;
    RoomPictures pictures;
    FakePrompter prompter;
    FakeLibrary library;
    BudgetTable table;
    ItemOperations operations;
};
