#include "librarytext.h"
#include "templatefixture.h"

#include "library/templatesaving.h"
#include "library/templateslots.h"

#include <QDateTime>

namespace {

const char *const Body = R"(<project name="A" kind="k">
  <construction name="a" desc="">
    <amount id="0" bDefault="1" RoomName="" Area="1.00"/>
    <brand unit="m" num="1.000"></brand>
  </construction>
  </project>)";

class TemplateSavingTest : public TemplateFixture
{
protected:
    // The main library and n user templates, all on disk; template n is current.
    void makeTemplates(int n, int current)
    {
        m_list = {writeFile(QStringLiteral("Plotwright.xml"), templateBytes(Body))};
        for (int i = 1; i <= n; ++i)
            m_list << writeFile(QStringLiteral("t%1.xml").arg(i), templateBytes(Body));
        m_choice.select(current);
    }

    QStringList m_list;
    int m_selected = 0;
    QString m_current;
    TemplateChoice m_choice{m_list, m_selected, m_current};
    LibraryTree m_tree;
    int m_counter = 5;
};

TEST_F(TemplateSavingTest, DisplayNamesDropFolderAndEveryExtension)
{
    EXPECT_EQ(TemplateSlots::displayName(QStringLiteral("/a/Plotwright.xml"), 0), QStringLiteral("Verdalis定额库"));
    EXPECT_EQ(TemplateSlots::displayName(QStringLiteral("/a/Plotwright.xml"), 3), QStringLiteral("Plotwright"));
    EXPECT_EQ(TemplateSlots::displayName(QStringLiteral("/a.xml/my.xml.oml"), 2), QStringLiteral("my"));
}

TEST_F(TemplateSavingTest, SaveSlotsAlignTheTimesAndPageByNine)
{
    makeTemplates(10, 0);
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
    QFile file(m_list.at(1));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    file.close();

    TemplateSlots pages(TemplateSlots::Mode::Save);
    const QList<TemplateSlots::Slot> first = pages.slotList(m_list, m_current);
    ASSERT_EQ(first.size(), 9);
    // "Verdalis定额库" is 11 characters: the times start 7 after it.
    EXPECT_EQ(first.at(1).text, QStringLiteral("t1") + QString(16, u' ') + QStringLiteral("2024-03-05 14:07:09"));
    EXPECT_EQ(first.at(0).text.indexOf(u'2'), first.at(1).text.indexOf(u'2'));
    EXPECT_EQ(first.at(0).icon, TemplateSlots::Icon::MainLibrary);
    EXPECT_TRUE(pages.hasNextPage(m_list, m_current));

    pages.nextPage(m_list, m_current);
    const QList<TemplateSlots::Slot> second = pages.slotList(m_list, m_current);
    ASSERT_EQ(second.size(), 2);
    EXPECT_EQ(second.at(1).listIndex, 10);
    EXPECT_FALSE(pages.hasNextPage(m_list, m_current));
    pages.nextPage(m_list, m_current);
    EXPECT_EQ(pages.pageStart(), 9);
    pages.previousPage();
    pages.previousPage();
    EXPECT_EQ(pages.pageStart(), 0);
}

TEST_F(TemplateSavingTest, LongNamesGetAtMostTwentySpaces)
{
    m_list = {QStringLiteral("/x/Plotwright.xml"), QStringLiteral("/x/") + QString(40, u'n') + QStringLiteral(".oml")};
    const QList<TemplateSlots::Slot> list = TemplateSlots(TemplateSlots::Mode::Save).slotList(m_list, QString());
    EXPECT_EQ(list.at(0).text, QStringLiteral("Verdalis定额库") + QString(20, u' '));
    EXPECT_EQ(list.at(1).text, QString(40, u'n') + QString(7, u' '));
    EXPECT_EQ(list.at(1).icon, TemplateSlots::Icon::Locked);
}

TEST_F(TemplateSavingTest, OpenSlotsPutTheCurrentTemplateFirstAndSkipItLater)
{
    makeTemplates(9, 4);
    TemplateSlots pages(TemplateSlots::Mode::Open);
    QList<TemplateSlots::Slot> list = pages.slotList(m_list, m_current);
    ASSERT_EQ(list.size(), 9);
    EXPECT_EQ(list.at(0).name, QStringLiteral("t4"));
    EXPECT_EQ(list.at(0).icon, TemplateSlots::Icon::Current);
    EXPECT_EQ(list.at(1).name, QStringLiteral("Verdalis定额库"));
    EXPECT_EQ(list.at(4).name, QStringLiteral("t3"));
    EXPECT_EQ(list.at(5).name, QStringLiteral("t5"));
    EXPECT_EQ(list.at(5).text, QStringLiteral("t5"));
    EXPECT_TRUE(pages.hasNextPage(m_list, m_current));
    pages.nextPage(m_list, m_current);
    list = pages.slotList(m_list, m_current);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(1).name, QStringLiteral("t9"));
    EXPECT_FALSE(pages.hasNextPage(m_list, m_current));
}

TEST_F(TemplateSavingTest, DeletingAnEarlierTemplateKeepsTheSelectionOnTheSameOne)
{
    makeTemplates(3, 3);
    EXPECT_EQ(TemplateSaving::deleteQuestion(m_choice, 1, QStringLiteral("t1")), QStringLiteral("确定删除 \"t1\" ?"));
    const QString deleted = m_list.at(1);
    EXPECT_EQ(TemplateSaving::deleteTemplate(m_choice, 1, m_library, m_tree, m_counter),
              TemplateSaving::DeleteOutcome::Deleted);
    EXPECT_FALSE(QFileInfo::exists(deleted));
    EXPECT_EQ(m_list.size(), 3);
    EXPECT_EQ(m_selected, 2);
    EXPECT_EQ(m_current, path(QStringLiteral("t3.xml")));
    EXPECT_EQ(m_counter, 5);

    EXPECT_EQ(TemplateSaving::deleteTemplate(m_choice, 0, m_library, m_tree, m_counter),
              TemplateSaving::DeleteOutcome::Refused);
    EXPECT_TRUE(QFileInfo::exists(m_list.at(0)));
}

TEST_F(TemplateSavingTest, DeletingTheCurrentTemplateFallsBackToTheMainLibraryItems)
{
    makeTemplates(2, 2);
    ASSERT_TRUE(load(R"(<PassWord user="u"/><project name="Z" kind="k">
  <construction name="z" desc=""><brand unit="m" num="1.000"></brand></construction>
  </project>)"));
    ASSERT_FALSE(m_library.canEditTemplate());
    EXPECT_EQ(TemplateSaving::deleteQuestion(m_choice, 2, QStringLiteral("t2")),
              QStringLiteral("\"t2\"为当前项目,确定删除?"));
    EXPECT_EQ(TemplateSaving::deleteTemplate(m_choice, 2, m_library, m_tree, m_counter),
              TemplateSaving::DeleteOutcome::DeletedCurrent);
    EXPECT_EQ(m_selected, 0);
    EXPECT_EQ(m_current, m_list.at(0));
    EXPECT_EQ(m_counter, 1);
    EXPECT_EQ(itemTexts(m_library.items()), QStringList({"A:a"}));
    EXPECT_TRUE(m_library.items().at(0).rules.isEmpty());
    EXPECT_FALSE(m_library.canEditTemplate());
    EXPECT_EQ(treeTexts(m_tree), QStringList({"A>a"}));
}

TEST_F(TemplateSavingTest, NamesAreCutTrimmedAndTheMainLibraryNameRefused)
{
    struct Case {
        const char *box;
        const char *name;
        TemplateSaving::NameCheck check;
    };
    const Case cases[] = {
        {"  模板1  ", "模板1", TemplateSaving::NameCheck::Accepted},
        {"a.b.c", "a", TemplateSaving::NameCheck::Accepted},
        {" .xml", "", TemplateSaving::NameCheck::Empty},
        {"   ", "", TemplateSaving::NameCheck::Empty},
        {"Verdalis定额库", "Verdalis定额库", TemplateSaving::NameCheck::Refused},
        {"Verdalis定额库.xml", "Verdalis定额库", TemplateSaving::NameCheck::Refused},
    };
    for (const Case &c : cases) {
        const QString name = TemplateSaving::nameFromBox(QString::fromUtf8(c.box));
        EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.box;
        EXPECT_EQ(TemplateSaving::checkName(name), c.check) << c.box;
    }
}

TEST_F(TemplateSavingTest, TheChosenPathGetsTheExtensionOfTheLock)
{
    struct Case {
        const char *chosen;
        bool locked;
        const char *written;
    };
    const Case cases[] = {
        {"/d/a.xml", false, "/d/a.xml"},     {"/d/a.xml", true, "/d/a.oml"},
        {"/d/a.oml.xml", false, "/d/a.xml"}, {"/d.xml/a", false, "/d/a.xml"},
        {"/d/a.txt", true, "/d/a.txt.oml"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TemplateSaving::finalPath(QString::fromUtf8(c.chosen), c.locked), QString::fromUtf8(c.written))
            << c.chosen;
    EXPECT_EQ(TemplateSaving::proposedPath(QStringLiteral("/data"), QStringLiteral("模板1"), true),
              QStringLiteral("/data/模板1.oml"));
}

TEST_F(TemplateSavingTest, SavingSelectsAListedPathOrAppendsANewOne)
{
    makeTemplates(1, 0);
    ASSERT_TRUE(m_library.LoadTemplate(m_list.at(0), m_list.at(0)));
    m_library.setCurrentUserName(QStringLiteral("U"));

    EXPECT_EQ(TemplateSaving::save(m_choice, m_library, path(QStringLiteral("new.xml")), true),
              TemplateSaving::SaveOutcome::Saved);
    EXPECT_TRUE(m_library.lockOnSave());
    EXPECT_EQ(m_list.last(), path(QStringLiteral("new.oml")));
    EXPECT_EQ(m_selected, 2);
    EXPECT_EQ(m_current, m_list.last());
    EXPECT_TRUE(readFile(m_list.last()).contains("<PassWord user=\"U\"/>"));

    EXPECT_EQ(TemplateSaving::save(m_choice, m_library, path(QStringLiteral("t1.xml")), false),
              TemplateSaving::SaveOutcome::Saved);
    EXPECT_EQ(m_list.size(), 3);
    EXPECT_EQ(m_selected, 1);
    EXPECT_FALSE(readFile(m_list.at(1)).contains("PassWord"));
}

TEST_F(TemplateSavingTest, TheMainLibraryFileAndUnwritableFilesAreNotSelected)
{
    makeTemplates(1, 1);
    const QByteArray mainBytes = readFile(m_list.at(0));
    EXPECT_EQ(TemplateSaving::save(m_choice, m_library, m_list.at(0), false),
              TemplateSaving::SaveOutcome::MainLibraryRefused);
    EXPECT_EQ(readFile(m_list.at(0)), mainBytes);
    EXPECT_EQ(TemplateSaving::save(m_choice, m_library, path(QStringLiteral("no/such/dir/x.xml")), false),
              TemplateSaving::SaveOutcome::WriteFailed);
    EXPECT_EQ(m_list.size(), 2);
    EXPECT_EQ(m_selected, 1);
}

TEST_F(TemplateSavingTest, OpeningASlotSelectsOnlyATemplateThatReads)
{
    makeTemplates(2, 0);
    const QString broken = writeFile(QStringLiteral("broken.xml"), "no template here");
    m_list << broken;
    EXPECT_EQ(TemplateSaving::openSlot(m_choice, broken, m_library, m_tree, m_counter),
              TemplateSaving::OpenOutcome::NotATemplate);
    EXPECT_EQ(m_selected, 0);
    EXPECT_EQ(m_counter, 5);
    EXPECT_EQ(TemplateSaving::openSlot(m_choice, m_list.at(2), m_library, m_tree, m_counter),
              TemplateSaving::OpenOutcome::Opened);
    EXPECT_EQ(m_selected, 2);
    EXPECT_EQ(m_counter, 1);
    EXPECT_EQ(treeTexts(m_tree), QStringList({"A>a"}));
}

} // namespace
