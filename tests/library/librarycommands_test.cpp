#include "templatefixture.h"

#include "library/librarycommands.h"

namespace {

struct CounterCase {
    const char *name;
    int before;
    int after;
};

class CustomCounter : public ::testing::TestWithParam<CounterCase>
{
};

TEST_P(CustomCounter, FollowsTheDeletedNumber)
{
    const CounterCase c = GetParam();
    EXPECT_EQ(LibraryCommands::counterAfterDeleting(QString::fromUtf8(c.name), c.before), c.after) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, CustomCounter,
                         ::testing::Values(CounterCase{"自定义3", 4, 3}, CounterCase{"自定义3", 2, 3},
                                           CounterCase{"自定义3", 3, 3}, CounterCase{"自定义3", 9, 9},
                                           CounterCase{"新自定义12号", 13, 12}, CounterCase{"挖土3", 4, 4},
                                           CounterCase{"自定义", 1, 1}, CounterCase{"自定义项目", 1, 1},
                                           CounterCase{"自定义99999999999", 5, 5}));

QuotaItem item(const char *category, const char *name)
{
    QuotaItem i;
    i.categoryName = QString::fromUtf8(category);
    i.itemName = QString::fromUtf8(name);
    return i;
}

class Deleting : public TemplateFixture
{
protected:
    void SetUp() override
    {
        m_library.setItems({item("A", "a1"), item("A", "自定义3"), item("B", "b1")});
        m_tree.fill(m_library.items());
    }

    LibraryTree m_tree;
    int m_counter = 4;
};

TEST_F(Deleting, AUserTemplateIsRewrittenWithoutTheItem)
{
    const QString file = path(QStringLiteral("user.xml"));
    const int node = m_library.items().at(1).treeNode;
    EXPECT_EQ(LibraryCommands::deleteItem(m_library, m_tree, 1, 2, file, m_counter),
              LibraryCommands::DeleteOutcome::TemplateWritten);
    EXPECT_EQ(m_counter, 3);
    EXPECT_EQ(m_tree.node(node), nullptr);
    QuotaLibrary reread;
    ASSERT_TRUE(reread.LoadTemplate(file, QString()));
    ASSERT_EQ(reread.items().size(), 2);
    EXPECT_EQ(reread.items().at(1).itemName, u"b1");
}

TEST_F(Deleting, TheMainLibraryIsNotOverwritten)
{
    const QString file = path(QStringLiteral("Plotwright.xml"));
    EXPECT_EQ(LibraryCommands::deleteItem(m_library, m_tree, 0, 0, file, m_counter),
              LibraryCommands::DeleteOutcome::OpenSaveDialog);
    EXPECT_EQ(m_library.items().size(), 2);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(Deleting, NeedsPermissionAndAnItem)
{
    const QString file = path(QStringLiteral("user.xml"));
    EXPECT_EQ(LibraryCommands::deleteItem(m_library, m_tree, 3, 1, file, m_counter),
              LibraryCommands::DeleteOutcome::NoItem);
    m_library.setCurrentUserName(QStringLiteral("ann"));
    ASSERT_TRUE(
        load(R"(<PassWord user="bob"/><project name="a"><construction name="x"></construction></project>)"));
    EXPECT_EQ(LibraryCommands::deleteItem(m_library, m_tree, 0, 1, file, m_counter),
              LibraryCommands::DeleteOutcome::NoPermission);
    EXPECT_EQ(m_library.items().size(), 1);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(Deleting, AFailedWriteIsReported)
{
    EXPECT_EQ(
        LibraryCommands::deleteItem(m_library, m_tree, 0, 1, path(QStringLiteral("no/dir.xml")), m_counter),
        LibraryCommands::DeleteOutcome::TemplateWriteFailed);
}

class Opening : public TemplateFixture
{
protected:
    QString validTemplate(const QString &name)
    {
        return writeFile(
            name, templateBytes(R"(<project name="a"><construction name="x"></construction></project>)"));
    }

    QStringList m_list = {QStringLiteral("/app/Plotwright.xml"), QStringLiteral("/d/one.xml")};
    int m_selected = 1;
    int m_counter = 5;
};

TEST_F(Opening, ANewTemplateIsAppendedAndSelected)
{
    const QString file = validTemplate(QStringLiteral("new.xml"));
    EXPECT_EQ(LibraryCommands::openTemplateFile(m_library, file, m_list, m_selected, m_counter),
              LibraryCommands::OpenOutcome::Opened);
    EXPECT_EQ(m_list.size(), 3);
    EXPECT_EQ(m_list.last(), file);
    EXPECT_EQ(m_selected, 2);
    EXPECT_EQ(m_counter, 1);
    EXPECT_EQ(m_library.items().size(), 1);
}

TEST_F(Opening, AListedTemplateIsSelectedInPlace)
{
    const QString file = validTemplate(QStringLiteral("known.xml"));
    m_list.insert(1, file);
    EXPECT_EQ(LibraryCommands::openTemplateFile(m_library, file, m_list, m_selected, m_counter),
              LibraryCommands::OpenOutcome::Opened);
    EXPECT_EQ(m_list.size(), 3);
    EXPECT_EQ(m_selected, 1);
}

TEST_F(Opening, TheMainLibraryStaysEntryZero)
{
    const QString file = validTemplate(QStringLiteral("Plotwright.xml"));
    m_list[0] = file;
    EXPECT_EQ(LibraryCommands::openTemplateFile(m_library, file, m_list, m_selected, m_counter),
              LibraryCommands::OpenOutcome::Opened);
    EXPECT_EQ(m_list.size(), 2);
    EXPECT_EQ(m_selected, 0);
}

TEST_F(Opening, MissingAndForeignFilesChangeNothing)
{
    const QStringList list = m_list;
    EXPECT_EQ(LibraryCommands::openTemplateFile(m_library, path(QStringLiteral("none.xml")), m_list,
                                                m_selected, m_counter),
              LibraryCommands::OpenOutcome::NoFile);
    const QString foreign = writeFile(QStringLiteral("f.xml"), "<project name=\"a\"></project>");
    EXPECT_EQ(LibraryCommands::openTemplateFile(m_library, foreign, m_list, m_selected, m_counter),
              LibraryCommands::OpenOutcome::NotATemplate);
    EXPECT_EQ(m_list, list);
    EXPECT_EQ(m_selected, 1);
    EXPECT_EQ(m_counter, 5);
}

} // namespace
