#include "editfixture.h"

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

// Each edit recorded, undone and redone: the model, both grids and the saved bytes
// equal what they were before the edit, then after it.
class UndoRoundTripTest : public EditTest
{
protected:
    QList<EstimateEdit> recorded;

    void SetUp() override
    {
        EditTest::SetUp();
        EstimateDocument &document = context.estimateDocument();
        document.setRecording(true);
        QObject::connect(&document, &EstimateDocument::edited,
                         [this](const EstimateEdit &edit) { recorded.append(edit); });
    }

    struct State {
        QList<EstimateRow> rows;
        ProjectTotals totals;
        QStringList grids;
        QByteArray bytes;
    };
    State state()
    {
        return {context.estimate().rows(), context.estimate().totals(), gridTexts(), savedBytes()};
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
    }
};

TEST_F(UndoRoundTripTest, EveryEditUndoesAndRedoesExactly)
{
    QList<UserEdit> cases = estimateEdits();
    cases.append({"head field edited", [&] { editHeadField(); }, true});
    for (const UserEdit &c : cases) {
        SCOPED_TRACE(c.name);
        openSample();
        prompter.roomName.reset();
        // The rate dialog's texts are settings of the project, not part of applying them.
        context.settings().rates.profitEnabled = true;
        context.settings().rates.mainProfit = QStringLiteral("12");
        recorded.clear();
        const State before = state();
        c.change();
        const State after = state();
        if (!c.changesProject) {
            EXPECT_TRUE(recorded.isEmpty());
            continue;
        }
        ASSERT_EQ(recorded.size(), 1) << "one edit is one step";
        EXPECT_NE(after.bytes, before.bytes);
        context.estimateDocument().undo(recorded.first());
        expectState(before);
        context.estimateDocument().redo(recorded.first());
        expectState(after);
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
    EXPECT_EQ(recorded.at(0).name, QStringLiteral("添加到所有房间"));
    EXPECT_EQ(recorded.at(1).name, QStringLiteral("复制到其他房间"));
    EXPECT_GT(recorded.at(0).undo.size(), 1);
    context.estimateDocument().undo(recorded.at(1));
    context.estimateDocument().undo(recorded.at(0));
    expectState(before);
}

// Random edits, undone and redone in random order, some saved and reopened: undoing
// everything gives back the file's bytes, and a reopened file matches the model.
TEST_F(UndoRoundTripTest, RandomEditsUndoBackToTheOriginalBytes)
{
    openSample();
    const QByteArray original = savedBytes();
    QRandomGenerator random(20261210);
    QList<EstimateEdit> done;
    QList<EstimateEdit> undone;
    const QStringList texts{"7", "0.5", "abc", "", "-3", "1e3", "12.25", " 4"};
    const QString saved = documents.filePath(QStringLiteral("soak.gzj"));
    for (int step = 0; step < 1000; ++step) {
        recorded.clear();
        const int rows = context.estimate().rowCount();
        const int choice = int(random.bounded(10));
        const int index = rows > 0 ? int(random.bounded(rows)) : 0;
        if (choice <= 3 && rows > 0) {
            const int column = CellText::NameColumn + int(random.bounded(10));
            typeIntoTable(index, column, texts.at(int(random.bounded(texts.size()))));
        } else if (choice == 4 && rows > 0 && context.estimate().rows().at(index).isConstruct()) {
            context.budgetTable().insertItem(index + TableTop, context.estimate().rows().at(index).item);
        } else if (choice == 5 && rows > 1 && context.estimate().rows().at(index).isConstruct()) {
            context.budgetTable().setClickedRow(index + TableTop);
            operations.deleteRow();
        } else if (choice == 6 && !done.isEmpty()) {
            context.estimateDocument().undo(done.last());
            undone.append(done.takeLast());
        } else if (choice == 7 && !undone.isEmpty()) {
            context.estimateDocument().redo(undone.last());
            done.append(undone.takeLast());
        } else if (choice == 8) {
            prompter.roomName = QStringLiteral("房间%1").arg(step);
            context.budgetTable().createRoom();
        } else if (choice == 9 && step % 50 == 0) {
            expectReopenedEqual(saved);
        }
        if (!recorded.isEmpty()) {
            done += recorded;
            undone.clear();
        }
    }
    while (!done.isEmpty())
        context.estimateDocument().undo(done.takeLast());
    EXPECT_EQ(savedBytes(), original);
}

} // namespace
