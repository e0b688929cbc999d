#include "contextfixture.h"

#include "library/librarytree.h"

#include <QDir>
#include <QFile>

namespace {

// A run with its own documents folder and a program folder holding a copy of the main library.
class AppContextRun : public ::testing::Test
{
protected:
    QTemporaryDir documents;
    QTemporaryDir program;

    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml"),
                                program.filePath(QStringLiteral("Plotwright.xml"))));
    }
    AppFolders folders() const { return AppFolders(documents.path(), program.path()); }
};

TEST_F(AppContextRun, StartUpLoadsTheMainLibraryAndFillsTheTree)
{
    AppContext context(folders());
    context.startUp();
    EXPECT_FALSE(context.library().items().isEmpty());
    EXPECT_FALSE(context.libraryTree().nodes().isEmpty());
    const QuotaItem &first = context.library().items().first();
    EXPECT_NE(first.treeNode, 0);
    EXPECT_EQ(context.libraryItems().findByTreeNode(first.treeNode), &first);
    EXPECT_EQ(context.document().currentProjectPath, folders().defaultProjectPath());
    EXPECT_TRUE(QDir(folders().roomPictureFolder()).exists());
    EXPECT_TRUE(context.settings().loadedOnce);
    EXPECT_EQ(context.tableGrid().text(0, 1), QStringLiteral("新工程"));
}

TEST_F(AppContextRun, ColumnSwitchesGoFromSettingsToTableAndBack)
{
    {
        AppContext context(folders());
        context.startUp();
        EXPECT_TRUE(context.budgetTable().showLoss());
        context.budgetTable().setColumnSwitches(false, true, true);
        EXPECT_TRUE(context.shutDown());
    }
    AppContext again(folders());
    again.startUp();
    EXPECT_FALSE(again.budgetTable().showLoss());
    EXPECT_TRUE(again.budgetTable().showTax());
    EXPECT_EQ(again.settings().showloss, 0);
}

TEST_F(AppContextRun, ShutDownDeletesRoomPicturesOnly)
{
    AppContext context(folders());
    context.startUp();
    const QDir pictures(folders().roomPictureFolder());
    for (const char *name : {"Room1.bmp", "Room2.bmp", "keep.txt"}) {
        QFile file(pictures.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(context.shutDown());
    EXPECT_EQ(pictures.entryList(QDir::Files), QStringList{QStringLiteral("keep.txt")});
    EXPECT_TRUE(QFile::exists(folders().settingsFile()));
}

TEST_F(AppContextRun, ReloadingTheTemplateListKeepsThisRunsTemplateAndRates)
{
    const QString ours = documents.filePath(QStringLiteral("ours.xml"));
    const QString theirs = documents.filePath(QStringLiteral("theirs.xml"));
    for (const QString &path : {ours, theirs})
        ASSERT_TRUE(QFile::copy(program.filePath(QStringLiteral("Plotwright.xml")), path));
    AppContext context(folders());
    context.startUp();
    context.settings().templateList.append(ours);
    context.settings().selectedTemplate = 1;
    context.settings().currentTemplatePath = ours;
    ASSERT_TRUE(context.saveSettings());
    context.settings().rates.loss = QStringLiteral("4");
    context.settings().page.pagesize = QStringLiteral("A3");

    // Another run puts its own template first and selects it, with rates of its own.
    {
        AppContext other(folders());
        other.startUp();
        other.settings().templateList = {folders().mainLibraryFile(), theirs, ours};
        other.settings().selectedTemplate = 1;
        other.settings().rates.loss = QStringLiteral("8");
        ASSERT_TRUE(other.saveSettings());
    }
    context.reloadTemplateList();
    const AppSettings &s = context.settings();
    EXPECT_EQ(s.templateList, QStringList({folders().mainLibraryFile(), theirs, ours}));
    EXPECT_EQ(s.currentTemplatePath, ours);
    EXPECT_EQ(s.selectedTemplate, 2);
    EXPECT_EQ(s.rates.loss, QStringLiteral("4"));
    EXPECT_EQ(s.page.pagesize, QStringLiteral("A3"));
}

TEST_F(ContextTest, CloseAsksOnlyWhenModifiedAndStaysOpenWhenAbandoned)
{
    prompter.answer = Prompter::Cancel;
    context.document().modified = true;
    EXPECT_FALSE(lifecycle.closeRequest({}));
    EXPECT_FALSE(QFile::exists(context.folders().settingsFile()));
    EXPECT_EQ(prompter.asked.size(), 1);

    context.document().modified = false;
    EXPECT_TRUE(lifecycle.closeRequest({}));
    EXPECT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(QFile::exists(context.folders().settingsFile()));
}

TEST_F(ContextTest, WithoutADesktopPrompterQuestionsAreCancelled)
{
    context.setPrompter(nullptr);
    context.document().modified = true;
    EXPECT_FALSE(lifecycle.confirmUnsavedChanges({}));
    EXPECT_EQ(context.prompter().ask(DocumentLifecycle::UnsavedChangesMessage, 0), Prompter::Cancel);
}

} // namespace

namespace {

// A project rate applied to every item reaches the material and machinery lists already built,
// however it was started: the lists hear of it from the document.
TEST_F(ContextTest, AnAppliedProfitRateRepricesTheBuiltLists)
{
    openSample();
    BillLists &lists = context.billLists();
    lists.buildMaterialList(context.estimate());
    lists.buildMachineList(context.estimate());
    ASSERT_FALSE(lists.materialList().lines().isEmpty());
    ASSERT_FALSE(lists.machineList().lines().isEmpty());
    EXPECT_EQ(lists.materialList().lines().first().profitRate, 0.0f);

    const RateSettings before = context.settings().rates;
    RateSettings &rates = context.settings().rates;
    rates.profitEnabled = true;
    rates.mainProfit = QStringLiteral("10");
    rates.auxiProfit = QStringLiteral("20");
    ASSERT_EQ(context.budgetTable().applyProjectRate(RateKind::Profit, before), 0);
    EXPECT_EQ(lists.materialList().lines().first().profitRate, 0.2f);
    EXPECT_EQ(lists.machineList().lines().first().profitRate, 0.2f);
}

} // namespace
