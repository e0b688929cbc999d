#include "editfixture.h"

#include "estimate/commands/undohistory.h"
#include "estimate/libraryitems.h"

#include <QRandomGenerator>

namespace {

// A library of one item at one tree node.
struct FakeLibraryHolder : LibraryItems {
    static constexpr qint64 Node = 7;
    ConstructItem item;

    const ConstructItem *findByTreeNode(qint64 node) const override { return node == Node ? &item : nullptr; }
    const ConstructItem *findByNameNoBlanks(const QString &) const override { return nullptr; }
    QStringList categoryNames() const override { return {}; }
    bool insertIntoCategory(const ConstructItem &, int) override { return false; }
    bool canEditTemplate() const override { return false; }
};

// Each edit recorded, undone and redone through the undo history the window uses: the
// model, both grids and the saved bytes equal what they were before the edit, then after it.
class UndoRoundTripTest : public EditTest
{
protected:
    QList<EstimateEdit> recorded;
    std::unique_ptr<UndoHistory> history;

    void SetUp() override
    {
        EditTest::SetUp();
        EstimateDocument &document = context.estimateDocument();
        history = std::make_unique<UndoHistory>(document);
        QObject::connect(&document, &EstimateDocument::edited,
                         [this](const EstimateEdit &edit) { recorded.append(edit); });
    }
    void TearDown() override
    {
        history.reset();
        EditTest::TearDown();
    }

    struct State {
        QList<EstimateRow> rows;
        ProjectTotals totals;
        QStringList grids;
        QByteArray bytes;
        RateSettings rates;
    };
    State state()
    {
        return {context.estimate().rows(), context.estimate().totals(), gridTexts(), savedBytes(),
                context.settings().rates};
    }
    // The project saved and read into a second context reads back as the one in memory.
    void expectReopenedEqual(const QString &path)
    {
        ASSERT_TRUE(SaveProjectFile(path, context.projectInfo(), context.settings().rates,
                                    context.settings().page, context.estimate().rows()));
        AppContext other{AppFolders(documents.path(), QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources"))};
        other.setUpGrids();
        DocumentLifecycle reader{other};
        ASSERT_EQ(reader.openProject(path).status, DocumentLifecycle::OpenStatus::Opened);
        ASSERT_EQ(other.estimate().rowCount(), context.estimate().rowCount());
        for (int i = 0; i < other.estimate().rowCount(); ++i) {
            const EstimateRow &read = other.estimate().rows().at(i);
            const EstimateRow &held = context.estimate().rows().at(i);
            EXPECT_EQ(read.kind, held.kind);
            EXPECT_EQ(read.isRoom() ? read.room.name : read.item.itemName,
                      held.isRoom() ? held.room.name : held.item.itemName)
                << i;
        }
    }

    void expectState(const State &expected)
    {
        EXPECT_TRUE(context.estimate().rows() == expected.rows);
        EXPECT_EQ(context.estimate().totals(), expected.totals);
        const QStringList grids = gridTexts();
        EXPECT_EQ(grids.size(), expected.grids.size());
        for (qsizetype k = 0; k < std::min(grids.size(), expected.grids.size()); ++k) {
            if (grids.at(k) != expected.grids.at(k)) {
                ADD_FAILURE() << "grid cell " << k << ": " << grids.at(k).toStdString() << " instead of "
                              << expected.grids.at(k).toStdString();
                break;
            }
        }
        EXPECT_EQ(savedBytes(), expected.bytes);
        EXPECT_EQ(context.settings().rates, expected.rates);
    }
};

TEST_F(UndoRoundTripTest, EveryEditUndoesAndRedoesExactly)
{
    // The undo button names each step after what the user did.
    const std::map<std::string, QString> toolTips{
        {"quantity typed into the table", "撤销 修改工程量"},
        {"name typed into the table", "撤销 修改项目名称"},
        {"price typed into the bill", "撤销 修改材料单价"},
        {"item deleted", "撤销 删除项目"},
        {"room deleted", "撤销 删除房间"},
        {"room added", "撤销 添加房间"},
        {"room renamed", "撤销 重命名房间"},
        {"category group moved", "撤销 移动分类"},
        {"profit rate applied to all items", "撤销 设置利润率"},
        {"resources of an item edited", "撤销 编辑资源"},
        {"item inserted", "撤销 添加项目"},
        {"head field edited", "撤销 修改项目信息"},
    };
    QList<UserEdit> cases = estimateEdits();
    cases.append({"head field edited", [&] { editHeadField(); }, true});
    for (const UserEdit &c : cases) {
        SCOPED_TRACE(c.name);
        openSample();
        prompter.roomName.reset();
        recorded.clear();
        const State before = state();
        c.change();
        const State after = state();
        if (!c.changesProject) {
            EXPECT_TRUE(recorded.isEmpty());
            continue;
        }
        ASSERT_EQ(recorded.size(), 1) << "one edit is one step";
        ASSERT_EQ(history->count(), 1);
        EXPECT_EQ(history->undoToolTip(), toolTips.at(c.name));
        EXPECT_NE(after.bytes, before.bytes);
        history->undo();
        expectState(before);
        EXPECT_FALSE(context.estimateDocument().isModified());
        EXPECT_EQ(history->redoToolTip(), QStringLiteral("重做 ") + toolTips.at(c.name).mid(3));
        history->redo();
        expectState(after);
        EXPECT_TRUE(context.estimateDocument().isModified());
    }
}

TEST_F(UndoRoundTripTest, GroupOperationsAreOneStep)
{
    openSample();
    FakeLibraryHolder library;
    ItemOperations fromLibrary(context.budgetTable(), library);
    library.item = context.estimate().rows().at(firstItem()).item;

    const State before = state();
    context.tableGrid().setActiveCell(firstItem() + TableTop, 1);
    ASSERT_TRUE(fromLibrary.addToAllRooms(FakeLibraryHolder::Node));
    ASSERT_TRUE(fromLibrary.copyToOtherRooms());
    ASSERT_EQ(recorded.size(), 2);
    ASSERT_EQ(history->count(), 2);
    EXPECT_GT(recorded.at(0).parts.size(), 1);
    EXPECT_EQ(history->undoToolTip(), QStringLiteral("撤销 复制到其他房间"));
    history->undo();
    EXPECT_EQ(history->undoToolTip(), QStringLiteral("撤销 添加到所有房间"));
    const State afterAdding = state();
    history->undo();
    expectState(before);
    history->redo();
    expectState(afterAdding);
}

// A list built after an edit is built again once the edit is undone or redone: it would
// otherwise show the materials of rows that are gone, or miss those put back.
TEST_F(UndoRoundTripTest, UndoAndRedoMakeBuiltResourceListsStale)
{
    openSample();
    context.budgetTable().setClickedRow(firstItem() + TableTop);
    ASSERT_TRUE(operations.deleteRow());
    ASSERT_EQ(recorded.size(), 1);
    for (const bool undo : {true, false}) {
        SCOPED_TRACE(undo ? "undo" : "redo");
        for (int list : {BillLists::MaterialList, BillLists::MachineList}) {
            if (context.billLists().showList(list) != PendingOperation::None)
                list == BillLists::MaterialList ? context.billLists().buildMaterialList(context.estimate())
                                                : context.billLists().buildMachineList(context.estimate());
        }
        ASSERT_FALSE(context.shared().materialListStale);
        ASSERT_FALSE(context.shared().machineListStale);
        if (undo)
            history->undo();
        else
            history->redo();
        EXPECT_TRUE(context.shared().materialListStale);
        EXPECT_TRUE(context.shared().machineListStale);
        EXPECT_NE(context.billLists().showList(BillLists::MaterialList), PendingOperation::None);
    }
}

// Random edits of every kind the user makes (typed cells, inserts from the library, deletes,
// moves, copies to other rooms, rates, rooms added, renamed and deleted), undone and redone in
// random order, some saved and reopened: undoing everything gives back the file's bytes and the
// rate texts, and a reopened file matches the model. CI runs 1,000 steps; a longer run by hand:
// PLOTWRIGHT_SOAK_STEPS=50000 PLOTWRIGHT_SOAK_SEED=7 build/bin/context_tests --gtest_filter='UndoRoundTrip*Random*'
TEST_F(UndoRoundTripTest, RandomEditsUndoBackToTheOriginalBytes)
{
    bool given = false;
    const int steps = qEnvironmentVariableIntValue("PLOTWRIGHT_SOAK_STEPS", &given);
    const int seed = qEnvironmentVariableIntValue("PLOTWRIGHT_SOAK_SEED");
    openSample();
    const QByteArray original = savedBytes();
    const RateSettings originalRates = context.settings().rates;
    FakeLibraryHolder library;
    library.item = context.estimate().rows().at(firstItem()).item;
    ItemOperations fromLibrary(context.budgetTable(), library);
    BudgetTable &table = context.budgetTable();
    QRandomGenerator random(20261210 + quint32(seed));
    const QStringList texts{"7", "0.5", "abc", "", "-3", "1e3", "12.25", " 4"};
    const QStringList rateTexts{"5", "12.5", "0", "7%"};
    const QString saved = documents.filePath(QStringLiteral("soak.gzj"));
    int kindsDone = 0;
    for (int step = 0; step < (given && steps > 0 ? steps : 1000); ++step) {
        recorded.clear();
        const int rows = context.estimate().rowCount();
        // Operations that add many rows at once stop once the project has grown large.
        const bool small = rows < 300;
        const int choice = int(random.bounded(16));
        const int index = rows > 0 ? int(random.bounded(rows)) : 0;
        const bool onItem = rows > 0 && context.estimate().rows().at(index).isConstruct();
        const bool onRoom = rows > 0 && context.estimate().rows().at(index).isRoom();
        if (choice <= 2 && rows > 0) {
            const int column = CellText::NameColumn + int(random.bounded(10));
            typeIntoTable(index, column, texts.at(int(random.bounded(texts.size()))));
        } else if (choice == 3 && onItem) {
            table.insertItem(index + TableTop, context.estimate().rows().at(index).item);
        } else if (choice == 4 && rows > 1 && onItem) {
            table.setClickedRow(index + TableTop);
            operations.deleteRow();
        } else if (choice == 5 && history->canUndo()) {
            history->undo();
            kindsDone |= 1 << choice;
        } else if (choice == 6 && history->canRedo()) {
            history->redo();
            kindsDone |= 1 << choice;
        } else if (choice == 7) {
            prompter.roomName = QStringLiteral("房间%1").arg(step);
            table.createRoom();
        } else if (choice == 8 && step % 50 == 0) {
            SCOPED_TRACE(step);
            expectReopenedEqual(saved);
        } else if (choice == 9 && onItem && !table.groupStartsOf(index).isEmpty()) {
            // A category group moved to another position of its room through the move menu.
            context.tableGrid().setActiveCell(table.groupStartsOf(index).first() + TableTop,
                                              CellText::CategoryColumn);
            if (table.onTableClick(true).action == TableClick::Action::MoveMenu)
                fromLibrary.moveGroup(1 + int(random.bounded(qMax<qsizetype>(1, table.groupStarts().size()))));
        } else if (choice == 10 && onItem && small) {
            context.tableGrid().setActiveCell(index + TableTop, 1);
            fromLibrary.copyToOtherRooms();
        } else if (choice == 11 && rows > 0) {
            context.tableGrid().setActiveCell(index + TableTop, 1);
            fromLibrary.addLibraryItem(FakeLibraryHolder::Node);
        } else if (choice == 12 && small) {
            fromLibrary.addToAllRooms(FakeLibraryHolder::Node);
        } else if (choice == 13) {
            // The rate dialog: texts changed, then applied to every item.
            const RateSettings before = context.settings().rates;
            RateSettings &rates = context.settings().rates;
            const QString rate = rateTexts.at(int(random.bounded(rateTexts.size())));
            const RateKind kind = RateKind(random.bounded(3));
            if (kind == RateKind::Profit) {
                rates.profitEnabled = true;
                rates.mainProfit = rate;
            } else if (kind == RateKind::Loss) {
                rates.lossEnabled = true;
                rates.loss = rate;
            } else {
                rates.taxEnabled = true;
                rates.tax = rate;
            }
            table.applyProjectRate(kind, before);
        } else if (choice == 14 && onRoom) {
            prompter.roomName = QStringLiteral("改名%1").arg(step);
            table.renameRoom(index + TableTop);
        } else if (choice == 15 && onRoom && context.estimate().roomNames().size() > 1) {
            prompter.answer = Prompter::Yes;
            table.setClickedRow(index + TableTop);
            operations.deleteRow();
        }
        if (!recorded.isEmpty())
            kindsDone |= 1 << choice;
    }
    // Every kind of edit was made at least once (typing, inserts, deletes, rooms, moves, copies, rates).
    for (int kind : {0, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15})
        EXPECT_TRUE(kindsDone & (1 << kind)) << "no edit of kind " << kind;
    while (history->canUndo())
        history->undo();
    EXPECT_FALSE(context.estimateDocument().isModified());
    EXPECT_EQ(savedBytes(), original);
    EXPECT_EQ(context.settings().rates, originalRates);
}

} // namespace
