#include "librarytext.h"
#include "templatefixture.h"

#include "library/templateeditor.h"

namespace {

MtLine line(const char *name, float price, float num, const char *code = "")
{
    MtLine l;
    l.name = QString::fromUtf8(name);
    l.classify = QStringLiteral("材料");
    l.unit = QStringLiteral("t");
    l.code = QString::fromUtf8(code);
    l.price = price;
    l.num = num;
    return l;
}

QuotaItem withLines(QuotaItem item, const QList<MtLine> &lines, float material)
{
    item.brand.materials = lines;
    item.brand.material = material;
    return item;
}

class TemplateEditorTest : public TemplateFixture
{
protected:
    TemplateEditor open(qsizetype index) { return TemplateEditor(m_library, index, m_counter, m_browser); }

    int m_counter = 1;
    BrowserSelection m_browser;
};

TEST_F(TemplateEditorTest, APlaceholderOpensANewItemAfterTheLargestCustomNumberOfItsCategory)
{
    m_library.setItems({quotaItem("A", "a"), quotaItem("B", "自定义"), quotaItem("B", "自定义2"),
                        quotaItem("B", "b"), quotaItem("B", "自定义5x"), quotaItem("C", "自定义9")});
    const TemplateEditor editor = open(1);
    EXPECT_EQ(m_counter, 6);
    EXPECT_EQ(editor.shownIndex(), 2);
    EXPECT_EQ(editor.edit().name, QStringLiteral("自定义6"));
    EXPECT_EQ(itemTexts(editor.items()).mid(1, 3), QStringList({"B:自定义", "B:自定义6", "B:自定义2"}));
    EXPECT_EQ(treeTexts(editor.tree()).at(1), QStringLiteral("B>添加定额,自定义6,自定义2,b,自定义5x"));
    EXPECT_EQ(m_library.items().size(), 6); // the library itself is untouched until OK
}

TEST_F(TemplateEditorTest, TheAddNodeAddsAnItemAfterItInListAndTree)
{
    QuotaItem placeholder = quotaItem("A", "自定义项目");
    placeholder.brand.num = 3.0f;
    m_library.setItems({quotaItem("A", "a"), placeholder, quotaItem("A", "自定义1")});
    TemplateEditor editor = open(0);
    const int addNode = editor.items().at(1).treeNode;
    editor.selectNode(addNode);
    EXPECT_EQ(editor.edit().name, QStringLiteral("自定义2"));
    EXPECT_EQ(editor.items().at(2).brand.num, 1.0f);
    EXPECT_EQ(treeTexts(editor.tree()), QStringList({"A>a,添加定额,自定义2,自定义1"}));
    EXPECT_EQ(editor.items().at(2).treeNode, editor.tree().children(editor.tree().children(0).first()).at(2));
}

TEST_F(TemplateEditorTest, AChangedLinePriceReachesEqualLinesWithTheSameEmptyCode)
{
    m_library.setItems({withLines(quotaItem("A", "x"), {line("沙", 10.0f, 2.0f)}, 20.0f),
                        withLines(quotaItem("A", "y"), {line("沙", 10.0f, 3.0f), line("石", 1.0f, 1.0f)}, 31.0f),
                        withLines(quotaItem("A", "z"), {line("沙", 10.0f, 4.0f, "C1")}, 40.0f)});
    TemplateEditor editor = open(0);
    editor.edit().lines[0].price.text = QStringLiteral("12");
    editor.commitShown();
    const QList<QuotaItem> &items = editor.items();
    EXPECT_EQ(items.at(0).brand.material, 24.0f);
    EXPECT_EQ(items.at(1).brand.materials.at(0).price, 12.0f);
    EXPECT_EQ(items.at(1).brand.material, 31.0f + 3.0f * (12.0f - 10.0f));
    EXPECT_EQ(items.at(1).brand.materials.at(1).price, 1.0f);
    EXPECT_EQ(items.at(2).brand.materials.at(0).price, 10.0f);
    EXPECT_EQ(items.at(2).brand.material, 40.0f);
}

TEST_F(TemplateEditorTest, CommitReadsTheGridsBackWithoutRoundingUnchangedCells)
{
    QuotaItem item = withLines(quotaItem("A", "x"), {line("沙", 1.125f, 0.333f, "K")}, 5.0f);
    item.brand.num = 7.0f;
    item.brand.laborcost = 3.333f;
    item.brand.laborprofit = 0.1f;
    item.brand.management = 2.0f;
    item.brand.managementprofit = 0.5f;
    MtLine machine = line("吊车", 100.0f, 0.5f);
    machine.classify = QStringLiteral("机械");
    item.brand.machines = {machine};
    m_library.setItems({quotaItem("A", "a"), item});
    TemplateEditor editor = open(1);
    ItemEdit &edit = editor.edit();
    EXPECT_EQ(edit.labour.text, QStringLiteral("3.67"));
    EXPECT_EQ(edit.lines.at(1).classify, QStringLiteral("机械"));
    edit.name = QStringLiteral("  x2 ");
    edit.management.text = QStringLiteral("4.5元");
    LineEdit unnamed;
    unnamed.price = NumberCell::typed(QStringLiteral("9"));
    unnamed.num = NumberCell::typed(QStringLiteral("1"));
    edit.lines.append(unnamed);
    editor.commitShown();

    const BrandData &b = editor.items().at(1).brand;
    EXPECT_EQ(editor.items().at(1).itemName, QStringLiteral("x2"));
    EXPECT_EQ(b.num, 1.0f);
    EXPECT_EQ(b.laborcost, 3.333f);
    EXPECT_EQ(b.laborprofit, 0.1f);
    EXPECT_EQ(b.management, 4.5f);
    EXPECT_EQ(b.managementprofit, 0.0f);
    ASSERT_EQ(b.materials.size(), 1);
    EXPECT_EQ(b.materials.at(0).price, 1.125f);
    EXPECT_EQ(b.materials.at(0).num, 0.333f);
    EXPECT_EQ(b.materials.at(0).code, QStringLiteral("K"));
    EXPECT_EQ(b.materials.at(0).kind, QStringLiteral("auxi"));
    EXPECT_EQ(b.material, 1.125f * 0.333f);
    EXPECT_EQ(b.machine, 50.0f);
}

TEST_F(TemplateEditorTest, RenamingToAnotherItemsNameAsksBeforeReplacingIt)
{
    m_library.setItems({quotaItem("A", "a"), quotaItem("A", "b"), quotaItem("A", "c"), quotaItem("B", "d")});
    TemplateEditor editor = open(2);
    QList<int> asked;
    int answer = 2;
    const TemplateEditor::Ask ask = [&](int message, int style) {
        asked << message << style;
        return answer;
    };

    EXPECT_FALSE(editor.nameEdited(QStringLiteral("b"), ask)); // no click on the name cell
    editor.beginNameEdit();
    EXPECT_FALSE(editor.nameEdited(QStringLiteral("b"), ask));
    EXPECT_EQ(asked, QList<int>({9, 7}));
    EXPECT_EQ(editor.edit().name, QStringLiteral("c"));

    editor.beginNameEdit();
    EXPECT_TRUE(editor.nameEdited(QStringLiteral("d"), ask)); // d is of another category
    EXPECT_EQ(asked.size(), 2);

    answer = 1;
    editor.beginNameEdit();
    EXPECT_TRUE(editor.nameEdited(QStringLiteral("b"), ask));
    EXPECT_EQ(editor.shownIndex(), 1);
    editor.commitShown();
    EXPECT_EQ(itemTexts(editor.items()), QStringList({"A:a", "A:b", "B:d"}));
    EXPECT_EQ(treeTexts(editor.tree()), QStringList({"A>a,b", "B>d"}));
}

TEST_F(TemplateEditorTest, DeletingTheLastItemShowsTheOneBeforeAndAdjustsTheCounter)
{
    m_library.setItems({quotaItem("A", "a"), quotaItem("A", "自定义3")});
    m_counter = 4;
    TemplateEditor editor = open(0);
    editor.edit().name = QStringLiteral("lost");
    EXPECT_FALSE(editor.deleteNode(editor.tree().children(0).first())); // a category node
    ASSERT_TRUE(editor.deleteNode(editor.items().at(1).treeNode));
    EXPECT_EQ(m_counter, 3);
    EXPECT_EQ(editor.shownIndex(), 0);
    EXPECT_EQ(editor.edit().name, QStringLiteral("a"));
    ASSERT_TRUE(editor.deleteNode(editor.items().at(0).treeNode));
    EXPECT_EQ(editor.shownIndex(), -1);
    editor.commitShown(); // nothing shown, nothing to commit
    EXPECT_TRUE(editor.items().isEmpty());
}

TEST_F(TemplateEditorTest, OkNeverOverwritesTheMainLibraryAndCancelChangesNothing)
{
    const QString main = writeFile(QStringLiteral("Plotwright.xml"), templateBytes(R"(<project name="A" kind="k">
  <construction name="a" desc=""><brand unit="m" num="2.000"></brand></construction>
  <construction name="b" desc=""><brand unit="m" num="2.000"></brand></construction>
  </project>)"));
    const QString user = path(QStringLiteral("user.xml"));
    ASSERT_TRUE(m_library.LoadTemplate(main, main));
    const QByteArray mainBytes = readFile(main);
    const QList<QuotaItem> loaded = m_library.items();
    QStringList list{main, user};
    int selected = 0;
    QString current = main;
    TemplateChoice choice{list, selected, current};
    LibraryTree libraryTree;

    {
        TemplateEditor cancelled = open(1);
        cancelled.edit().name = QStringLiteral("never");
        cancelled.commitShown();
    }
    EXPECT_EQ(m_library.items(), loaded);

    TemplateEditor editor = open(1);
    editor.edit().name = QStringLiteral("b2");
    EXPECT_EQ(editor.ok(m_library, libraryTree, choice), TemplateEditor::OkOutcome::OpenSaveDialog);
    EXPECT_EQ(readFile(main), mainBytes);
    EXPECT_EQ(m_library.items().at(1).itemName, QStringLiteral("b2"));
    EXPECT_EQ(LibraryTree::itemIndexOfNode(m_library.items(), m_library.items().at(1).treeNode), 1);

    choice.select(1);
    TemplateEditor second = open(1);
    second.edit().name = QStringLiteral("b3");
    EXPECT_EQ(second.ok(m_library, libraryTree, choice), TemplateEditor::OkOutcome::TemplateWritten);
    EXPECT_EQ(readFile(main), mainBytes);
    QuotaLibrary reread;
    ASSERT_TRUE(reread.LoadTemplate(user, main));
    EXPECT_EQ(reread.items().at(1).itemName, QStringLiteral("b3"));
    EXPECT_EQ(reread.items().at(0).brand.num, 2.0f); // never shown, never committed
}

TEST_F(TemplateEditorTest, TheLastClickedItemIsShownAndTheBrowserToldToSelectIt)
{
    m_library.setItems({quotaItem("A", "a"), quotaItem("A", "b"), quotaItem("A", "c"), quotaItem("A", "b")});
    m_browser.lastClickedText = QStringLiteral("b");
    const TemplateEditor editor = open(1);
    EXPECT_EQ(editor.shownIndex(), 3);
    EXPECT_TRUE(m_browser.reselect);
    EXPECT_EQ(m_browser.reselectIndex, 3);
}

} // namespace
