#include "contextfixture.h"

#include "app/projectfilereader.h"
#include "estimate/celltext.h"

#include <QDir>
#include <QFile>

#include <cmath>
#include <functional>

namespace {

float relativeGap(float a, float b)
{
    return std::fabs(a - b) / std::max(1.0f, std::fabs(b));
}

TEST_F(ContextTest, OpeningTheSampleFillsTheTableWithConsistentTotals)
{
    context.document().modified = true;
    openSample();
    const ProjectLoadResult read = LoadProjectFile(SampleProject);
    const QList<EstimateRow> &rows = context.estimate().rows();

    qsizetype items = 0;
    for (const ProjectRoom &room : read.document.rooms)
        items += room.items.size();
    ASSERT_EQ(rows.size(), read.document.rooms.size() + items);

    float total = 0, labor = 0, machine = 0, management = 0;
    for (const EstimateRow &row : rows) {
        if (!row.isConstruct())
            continue;
        total += row.costs.total;
        labor += row.costs.laborSubtotal;
        machine += row.costs.machineSubtotal;
        management += row.costs.managementSubtotal;
    }
    const ProjectTotals &totals = context.estimate().totals();
    EXPECT_GT(totals.projectTotal, 0.0f);
    EXPECT_LT(relativeGap(totals.projectTotal, total), 1e-5f);
    EXPECT_LT(relativeGap(totals.projectLabor, labor), 1e-5f);
    EXPECT_LT(relativeGap(totals.projectMachine, machine), 1e-5f);
    EXPECT_LT(relativeGap(totals.projectManagement, management), 1e-5f);

    // Each room row carries the sum of its own items.
    for (int i = 0; i < rows.size(); ++i) {
        if (!rows.at(i).isRoom())
            continue;
        float roomTotal = 0;
        for (int j = i + 1; j < rows.size() && rows.at(j).isConstruct(); ++j)
            roomTotal += rows.at(j).costs.total;
        EXPECT_LT(relativeGap(rows.at(i).costs.total, roomTotal), 1e-5f)
            << rows.at(i).room.name.toStdString();
    }

    EXPECT_FALSE(context.document().modified);
    EXPECT_EQ(context.document().currentProjectPath, SampleProject);
    EXPECT_EQ(context.document().pendingOperation, PendingOperation::None);
    EXPECT_EQ(context.projectInfo(), read.document.info);
    EXPECT_EQ(context.tableGrid().text(0, 1), read.document.info.name);
    EXPECT_EQ(context.estimate().roomNames().size(), read.document.rooms.size());
    EXPECT_TRUE(context.estimate().isIdle());
    EXPECT_EQ(context.estimate().precision(), 2);
}

TEST_F(ContextTest, OpeningKeepsStoredItemRatesAndTheRateFlags)
{
    context.settings().rates.profitEnabled = true;
    context.settings().rates.mainProfit = QStringLiteral("50");
    openSample();
    const ProjectLoadResult read = LoadProjectFile(SampleProject);
    // A pending open keeps the rates stored with each item, not the project's.
    const ConstructItem &first = read.document.rooms.first().items.first();
    EXPECT_EQ(context.estimate().rows().at(1).item.brand.materialprofit, first.brand.materialprofit);
    EXPECT_TRUE(context.settings().rates.profitEnabled);
    EXPECT_EQ(context.settings().rates.mainProfit, read.document.rates->profit);
}

TEST_F(ContextTest, OpeningTwiceShowsOnlyTheSecondProjectsRoomsAndLists)
{
    openSample();
    context.billLists().buildMaterialList(context.estimate());
    context.billLists().buildMachineList(context.estimate());
    context.shared().materialListStale = false;
    context.shared().machineListStale = false;
    const qsizetype rooms = context.estimate().roomNames().size();
    const int rows = context.estimate().rowCount();
    openSample();
    EXPECT_EQ(context.estimate().roomNames().size(), rooms);
    EXPECT_EQ(context.estimate().rowCount(), rows);
    EXPECT_TRUE(context.shared().materialListStale);
    EXPECT_TRUE(context.shared().machineListStale);
}

TEST_F(ContextTest, AFailedOpenKeepsTheCurrentProject)
{
    openSample();
    context.document().modified = true;
    const QList<EstimateRow> rows = context.estimate().rows();
    const ProjectInfo info = context.projectInfo();
    QDir(documents.path()).mkdir(QStringLiteral("folder.gzj"));

    struct Case {
        QString path;
        DocumentLifecycle::OpenStatus status;
    };
    const QList<Case> cases{
        {documents.filePath(QStringLiteral("missing.gzj")), DocumentLifecycle::OpenStatus::Failed},
        {documents.filePath(QStringLiteral("folder.gzj")), DocumentLifecycle::OpenStatus::Failed},
        {documents.filePath(QStringLiteral("notes.txt")), DocumentLifecycle::OpenStatus::Ignored},
    };
    for (const Case &c : cases) {
        const DocumentLifecycle::OpenResult result = lifecycle.openExistingProject(c.path);
        EXPECT_EQ(result.status, c.status) << c.path.toStdString();
        EXPECT_EQ(result.errorText.isEmpty(), c.status != DocumentLifecycle::OpenStatus::Failed);
        EXPECT_EQ(context.estimate().rows(), rows);
        EXPECT_EQ(context.projectInfo(), info);
        EXPECT_EQ(context.document().currentProjectPath, SampleProject);
        EXPECT_TRUE(context.document().modified);
        EXPECT_EQ(context.document().pendingOperation, PendingOperation::None);
    }
    EXPECT_EQ(lifecycle.openExistingProject(cases.first().path).errorText,
              DocumentLifecycle::MissingFileText);
    // Past the existence check, a file that cannot be read still leaves the project alone.
    EXPECT_EQ(lifecycle.openProject(cases.at(1).path).status, DocumentLifecycle::OpenStatus::Failed);
    EXPECT_EQ(context.estimate().rows(), rows);
}

TEST_F(ContextTest, SavingClearsModifiedOnlyWhenWrittenAndMakesTheWrittenFileCurrent)
{
    openSample();
    context.document().modified = true;
    const ProjectSaveResult failed =
        lifecycle.saveProject(documents.filePath(QStringLiteral("no/such/dir/a.gzj")));
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.errorText.isEmpty());
    EXPECT_TRUE(context.document().modified);
    EXPECT_EQ(context.document().currentProjectPath, SampleProject);

    EXPECT_TRUE(lifecycle.saveProject(documents.filePath(QStringLiteral("copy"))));
    EXPECT_FALSE(context.document().modified);
    const QString written = documents.filePath(QStringLiteral("copy.gzj"));
    EXPECT_TRUE(QFile::exists(written));
    EXPECT_EQ(context.document().currentProjectPath, written);

    // The next save command proposes the file just written.
    QString proposed;
    lifecycle.saveProjectCommand([&proposed](const QString &path) {
        proposed = path;
        return std::optional<QString>();
    });
    EXPECT_EQ(proposed, written);
}

TEST(DocumentLifecycleNames, WindowTitleNamesTheFileAndMarksUnsavedChanges)
{
    struct Case {
        QString path;
        bool modified;
        QString title;
    };
    const QList<Case> cases{
        {QStringLiteral("/home/u/花园.gzj"), false, QStringLiteral("Sylvaro造价 - 花园.gzj")},
        {QStringLiteral("/home/u/花园.gzj"), true, QStringLiteral("Sylvaro造价 - 花园.gzj *")},
        {QStringLiteral("C:\\proj\\家.xml.gzj"), true, QStringLiteral("Sylvaro造价 - 家.gzj *")},
        {QStringLiteral("新建.gzj"), false, QStringLiteral("Sylvaro造价 - 新建.gzj")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DocumentLifecycle::windowTitle(c.path, c.modified), c.title) << c.path.toStdString();
}

// Damaged copies of the sample: each still opens with what it holds, marked modified.
class DamagedProjectTest : public ContextTest
{
protected:
    QString writeVariant(const QString &name, const std::function<void(QByteArray &)> &damage)
    {
        QFile sample(SampleProject);
        EXPECT_TRUE(sample.open(QIODevice::ReadOnly));
        QByteArray bytes = sample.readAll();
        damage(bytes);
        const QString path = documents.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
};

TEST_F(DamagedProjectTest, DamagedFilesOpenAsFarAsTheyGoAndAreMarkedModified)
{
    const auto cutAt = [](const char *tag) {
        return [tag](QByteArray &b) { b.truncate(b.lastIndexOf(tag)); };
    };
    const auto dropFirst = [](const char *tag) {
        return [tag](QByteArray &b) { b.remove(b.indexOf(tag), qstrlen(tag)); };
    };
    struct Case {
        QString name;
        std::function<void(QByteArray &)> damage;
        bool damaged;
    };
    const QList<Case> cases{
        {QStringLiteral("whole.gzj"), [](QByteArray &) {}, false},
        {QStringLiteral("trailing-blanks.gzj"), [](QByteArray &b) { b.append("\r\n\r\n"); }, false},
        {QStringLiteral("no-root-end.gzj"), cutAt("</root>"), true},
        {QStringLiteral("cut-in-last-room.gzj"), cutAt("</construction>"), true},
        {QStringLiteral("item-without-end.gzj"), dropFirst("</construction>"), true},
        {QStringLiteral("room-without-end.gzj"), dropFirst("</room>"), true},
        {QStringLiteral("head-without-end.gzj"), dropFirst("</head>"), true},
        {QStringLiteral("empty.gzj"), [](QByteArray &b) { b.clear(); }, true},
    };
    for (const Case &c : cases) {
        const QString path = writeVariant(c.name, c.damage);
        const DocumentLifecycle::OpenResult result = lifecycle.openExistingProject(path);
        EXPECT_EQ(result.status, DocumentLifecycle::OpenStatus::Opened) << c.name.toStdString();
        EXPECT_EQ(result.damaged, c.damaged) << c.name.toStdString();
        EXPECT_EQ(context.document().modified, c.damaged) << c.name.toStdString();
        EXPECT_EQ(context.document().currentProjectPath, path);
    }
    // What could be read is there: a file cut inside its last room keeps the rooms before it.
    lifecycle.openExistingProject(writeVariant(QStringLiteral("cut.gzj"), cutAt("<room")));
    EXPECT_GT(context.estimate().rowCount(), 1);
}

TEST_F(DamagedProjectTest, TheGuardAsksBeforeADamagedProjectIsDropped)
{
    const QString path =
        writeVariant(QStringLiteral("cut.gzj"), [](QByteArray &b) { b.truncate(b.size() / 2); });
    ASSERT_TRUE(lifecycle.openExistingProject(path).damaged);
    prompter.answer = Prompter::Cancel;
    EXPECT_FALSE(lifecycle.closeRequest({}));
    EXPECT_EQ(prompter.asked, QList<int>{DocumentLifecycle::UnsavedChangesMessage});
    // Answering 确定 offers the save dialog; cancelling it leaves the damaged file as it was.
    const QByteArray before = [&path] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    prompter.answer = Prompter::Yes;
    QString proposed;
    EXPECT_FALSE(lifecycle.closeRequest([&proposed](const QString &p) {
        proposed = p;
        return std::optional<QString>();
    }));
    EXPECT_EQ(proposed, path);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

// A save over an existing file keeps that file, byte for byte, as NAME.gzj.bak.
TEST_F(ContextTest, SavingOverAProjectKeepsThePreviousFileAsItsBackup)
{
    openSample();
    const QString path = documents.filePath(QStringLiteral("kept.gzj"));
    const QString backup = DocumentLifecycle::backupPathFor(path);
    EXPECT_EQ(backup, path + QStringLiteral(".bak"));
    ASSERT_TRUE(lifecycle.saveProject(path));
    EXPECT_FALSE(QFile::exists(backup)) << "nothing to keep before the first save";
    QFile first(path);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray firstBytes = first.readAll();
    first.close();

    context.tableGrid().setText(4, CellText::QuantityColumn, QStringLiteral("9"));
    context.budgetTable().editCell(4, CellText::QuantityColumn);
    ASSERT_TRUE(lifecycle.saveProject(path));
    QFile kept(backup);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), firstBytes);
    QFile second(path);
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_NE(second.readAll(), firstBytes);
}

TEST(DocumentLifecycleNames, ProjectExtensionIsAddedOnlyWithoutOne)
{
    const QList<std::pair<QString, QString>> cases{
        {"/a/b/garden", "/a/b/garden.gzj"},         {"/a/b/garden.gzj", "/a/b/garden.gzj"},
        {"/a/b/garden.txt", "/a/b/garden.txt"},     {"/a.b/garden", "/a.b/garden.gzj"},
        {"C:\\a.b\\garden", "C:\\a.b\\garden.gzj"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(DocumentLifecycle::withProjectExtension(in), out) << in.toStdString();
}

TEST_F(ContextTest, NewProjectEmptiesEverythingButKeepsThePrecision)
{
    openSample();
    context.budgetTable().setPrecision(1);
    context.document().modified = true;
    RateSettings &rates = context.settings().rates;
    rates = {QStringLiteral("5"),
             QStringLiteral("7"),
             QStringLiteral("9"),
             QStringLiteral("3"),
             QStringLiteral("6"),
             true,
             true,
             true};
    context.shared().materialListStale = false;
    context.shared().machineListStale = false;

    ASSERT_FALSE(context.tableGrid().text(BudgetTable::TableHeaderRows + 1, 3).isEmpty());

    lifecycle.newProject();

    EXPECT_EQ(context.estimate().rowCount(), 0);
    EXPECT_EQ(context.estimate().totals(), ProjectTotals());
    EXPECT_EQ(context.estimate().precision(), 1);
    EXPECT_TRUE(context.estimate().isIdle());
    EXPECT_FALSE(context.budgetTable().isEstimateRow(BudgetTable::TableHeaderRows));
    for (int row = BudgetTable::TableHeaderRows + 1; row < context.tableGrid().rowCount(); ++row)
        EXPECT_TRUE(context.tableGrid().text(row, 3).isEmpty()) << row;
    EXPECT_EQ(context.tableGrid().text(0, 1), QStringLiteral("新工程"));
    EXPECT_EQ(context.tableGrid().text(0, CellText::ProjectTotalColumn), QStringLiteral("总价：0.0元"));
    const RateSettings expected{QStringLiteral("0"),
                                QStringLiteral("7"),
                                QStringLiteral("9"),
                                QStringLiteral("0"),
                                QStringLiteral("0"),
                                false,
                                false,
                                false};
    EXPECT_EQ(rates, expected);
    EXPECT_TRUE(context.shared().materialListStale);
    EXPECT_TRUE(context.shared().machineListStale);
    EXPECT_TRUE(context.estimate().roomNames().isEmpty());
    EXPECT_EQ(context.projectInfo(), ProjectInfo());
    EXPECT_EQ(context.document().currentProjectPath, context.folders().defaultProjectPath());
    EXPECT_FALSE(context.document().modified);
}

// The guard: what the user answers and whether the save went through decide.
TEST_F(ContextTest, UnsavedChangesGuard)
{
    struct Case {
        bool modified;
        int answer;
        bool saveChosen; // the save dialog returns a path
        bool proceeds;
        bool asked;
    };
    const QList<Case> cases{
        {false, Prompter::Cancel, false, true, false}, {true, Prompter::No, false, true, true},
        {true, Prompter::Cancel, true, false, true},   {true, Prompter::Yes, true, true, true},
        {true, Prompter::Yes, false, false, true},
    };
    const QString target = documents.filePath(QStringLiteral("guard.gzj"));
    for (const Case &c : cases) {
        context.document().modified = c.modified;
        prompter.answer = c.answer;
        prompter.asked.clear();
        QFile::remove(target);
        QString proposed;
        const QString before = context.document().currentProjectPath;
        const auto choose = [&](const QString &p) -> std::optional<QString> {
            proposed = p;
            return c.saveChosen ? std::optional<QString>(target) : std::nullopt;
        };
        SCOPED_TRACE(testing::Message() << c.modified << ' ' << c.answer << ' ' << c.saveChosen);
        EXPECT_EQ(lifecycle.confirmUnsavedChanges(choose), c.proceeds);
        EXPECT_EQ(prompter.asked,
                  c.asked ? QList<int>{DocumentLifecycle::UnsavedChangesMessage} : QList<int>{});
        const bool saved = c.answer == Prompter::Yes && c.saveChosen;
        EXPECT_EQ(QFile::exists(target), saved);
        if (c.answer == Prompter::Yes) {
            EXPECT_EQ(proposed, before);
        }
        EXPECT_EQ(context.document().currentProjectPath, saved ? target : before);
    }
}

TEST(DocumentLifecycleSteps, GuardStepsForEachAnswer)
{
    using S = DocumentLifecycle::GuardStep;
    EXPECT_EQ(DocumentLifecycle::guardStart(false), S::Proceed);
    EXPECT_EQ(DocumentLifecycle::guardStart(true), S::Ask);
    EXPECT_EQ(DocumentLifecycle::guardAnswer(Prompter::Yes), S::Save);
    EXPECT_EQ(DocumentLifecycle::guardAnswer(Prompter::No), S::Proceed);
    EXPECT_EQ(DocumentLifecycle::guardAnswer(Prompter::Cancel), S::Abandon);
    EXPECT_EQ(DocumentLifecycle::guardAfterSave(true), S::Abandon);
    EXPECT_EQ(DocumentLifecycle::guardAfterSave(false), S::Proceed);
}

TEST(DocumentLifecycleNames, DroppedFilesPickTheFirstProjectByItsEnding)
{
    const QList<std::pair<QStringList, std::optional<QString>>> cases{
        {{"a.txt", "B.GZJ", "c.gzj"}, QStringLiteral("B.GZJ")},
        {{"a.gzj", "b.gzj"}, QStringLiteral("a.gzj")},
        {{"a.txt", "gzj"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto &[paths, chosen] : cases)
        EXPECT_EQ(DocumentLifecycle::chooseDroppedFile(paths), chosen) << paths.join(',').toStdString();
}

TEST(DocumentLifecycleNames, CommandLineNamesAnExistingProject)
{
    const QString sample = SampleProject;
    const QList<std::pair<QString, std::optional<QString>>> cases{
        {sample, sample},
        {'"' + sample + '"', sample},
        {QString(), std::nullopt},
        {QStringLiteral("CADTOQUILLARY"), std::nullopt},
        {QStringLiteral("/nowhere/x.gzj"), std::nullopt},
        {QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/x.azj"), std::nullopt},
    };
    for (const auto &[line, path] : cases)
        EXPECT_EQ(DocumentLifecycle::commandLineProject(line), path) << line.toStdString();
}

TEST(DocumentLifecycleNames, CommandLineNamingNoFileIsReported)
{
    const QString sample = SampleProject;
    const QList<std::pair<QString, std::optional<QString>>> cases{
        {QStringLiteral("/nowhere/x.gzj"), QStringLiteral("/nowhere/x.gzj")},
        {QStringLiteral("\"/nowhere/花 园.gzj\""), QStringLiteral("/nowhere/花 园.gzj")},
        {sample, std::nullopt},
        {'"' + sample + '"', std::nullopt},
        {QString(), std::nullopt},
        {QStringLiteral("\"\""), std::nullopt},
        {QStringLiteral("CADTOQUILLARY"), std::nullopt},
        {QStringLiteral("/nowhere/x.azj"), std::nullopt},
    };
    for (const auto &[line, path] : cases)
        EXPECT_EQ(DocumentLifecycle::missingCommandLineProject(line), path) << line.toStdString();
}

TEST_F(ContextTest, DroppingAProjectAsksFirstWhenModified)
{
    context.document().modified = true;
    prompter.answer = Prompter::Cancel;
    EXPECT_EQ(lifecycle.dropFiles({QStringLiteral("x.txt"), SampleProject}, {}).status,
              DocumentLifecycle::OpenStatus::Ignored);
    EXPECT_EQ(context.estimate().rowCount(), 0);
    prompter.answer = Prompter::No;
    EXPECT_EQ(lifecycle.dropFiles({QStringLiteral("x.txt"), SampleProject}, {}).status,
              DocumentLifecycle::OpenStatus::Opened);
    EXPECT_GT(context.estimate().rowCount(), 0);
    EXPECT_EQ(context.document().currentProjectPath, SampleProject);
}

} // namespace

namespace {

// Rooms with category groups in mixed case and an item rate, as files of other versions hold them.
const QString MixedGroups = QStringLiteral(
    R"(<rate Profit="5%" Loss="2%" Tax="3%"/>)"
    R"(<room name="前院"><construction name="a" kind="Ab"><brand num="2" material="3" loss="1%"></brand></construction>)"
    R"(<construction name="b" kind="ab"><brand num="1" laborcost="4"></brand></construction>)"
    R"(<construction name="c" kind="AB"><brand num="5" machine="1.5"></brand></construction>)"
    R"(<construction name="d" kind="Ab"><brand num="1" material="0.1"></brand></construction></room>)"
    R"(<room name="后院"><construction name="e" kind=""></construction><construction name="f" kind="x">)"
    R"(</construction><construction name="g" kind=""></construction></room>)");

// A command that prints no table fills the estimate alone, with the same rows, sums and state.
TEST(DocumentLifecycleTables, SkippingTheTablesLeavesTheSameEstimate)
{
    QFile sample(SampleProject);
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    for (const QByteArray &bytes : {MixedGroups.toUtf8(), sample.readAll()}) {
        QTemporaryDir documents;
        const QString path = documents.filePath(QStringLiteral("p.gzj"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const AppFolders folders(documents.path(), QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources"));
        AppContext filled(folders);
        AppContext skipped(folders);
        DocumentLifecycle withTables(filled);
        DocumentLifecycle withoutTables(skipped);
        withoutTables.setTablesFilled(false);
        for (AppContext *c : {&filled, &skipped}) {
            c->setUpGrids();
            c->settings().rates.lossEnabled = true;
        }
        ASSERT_EQ(withTables.openProject(path).status, DocumentLifecycle::OpenStatus::Opened);
        ASSERT_EQ(withoutTables.openProject(path).status, DocumentLifecycle::OpenStatus::Opened);
        EXPECT_EQ(skipped.estimate().rows(), filled.estimate().rows());
        EXPECT_EQ(skipped.estimate().totals(), filled.estimate().totals());
        EXPECT_EQ(skipped.estimate().roomNames(), filled.estimate().roomNames());
        EXPECT_EQ(skipped.document().modified, filled.document().modified);
        EXPECT_GT(filled.tableGrid().rowCount(), skipped.tableGrid().rowCount());
        const ProjectSaveResult a = withTables.saveProject(documents.filePath(QStringLiteral("a.gzj")));
        const ProjectSaveResult b = withoutTables.saveProject(documents.filePath(QStringLiteral("b.gzj")));
        ASSERT_TRUE(a && b);
        QFile fa(documents.filePath(QStringLiteral("a.gzj")));
        QFile fb(documents.filePath(QStringLiteral("b.gzj")));
        ASSERT_TRUE(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        EXPECT_EQ(fa.readAll(), fb.readAll());
    }
}

} // namespace
