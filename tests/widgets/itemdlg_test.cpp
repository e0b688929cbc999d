#include "fakeprompter.h"

#include "estimate/tablesharedstate.h"
#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/widgets/citemdlg.h"
#include "contracts/widgets/skinloader.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QString mainLibraryPath()
{
    return QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml");
}

class ItemDlgTest : public testing::Test
{
protected:
    ItemDlgTest()
    {
        library.LoadTemplate(mainLibraryPath(), mainLibraryPath());
        pane = std::make_unique<CItemDlg>(CItemDlg::Parts{library, tree, shared, prompter, templateList,
                                                          selectedTemplate, currentTemplatePath, counter,
                                                          [this] { return roomNames; }});
        pane->resize(CItemDlg::PaneWidth, 700);
        pane->layoutForView(CItemDlg::TableView, 0, 819);
    }

    QStringList topTexts(const QTreeWidget *widget) const
    {
        QStringList texts;
        for (int i = 0; i < widget->topLevelItemCount(); ++i)
            texts.append(widget->topLevelItem(i)->text(0).trimmed());
        return texts;
    }

    qsizetype indexOfItem(const QString &name) const
    {
        const QList<QuotaItem> &items = library.items();
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (items.at(i).itemName == name)
                return i;
        }
        return -1;
    }

    QuotaLibrary library;
    LibraryTree tree;
    TableSharedState shared;
    QStringList roomNames;
    FakePrompter prompter;
    QStringList templateList{mainLibraryPath()};
    int selectedTemplate = 0;
    QString currentTemplatePath = mainLibraryPath();
    int counter = 1;
    std::unique_ptr<CItemDlg> pane;
};

TEST_F(ItemDlgTest, TreeShowsCategoriesItemsAndOneAddNodePerCategory)
{
    QTreeWidget *widget = pane->libraryTree();
    ASSERT_EQ(widget->topLevelItemCount(), 11);
    QTreeWidgetItem *first = widget->topLevelItem(0);
    EXPECT_EQ(first->text(0), QStringLiteral("土方工程") + QString(52, QLatin1Char(' ')));
    EXPECT_EQ(first->child(0)->text(0).trimmed(), QStringLiteral("添加定额"));
    EXPECT_EQ(first->child(1)->text(0).trimmed(), QStringLiteral("场地平整"));
    // Names wider than the pane can be read in full on hover.
    EXPECT_EQ(first->child(1)->toolTip(0), QStringLiteral("场地平整"));
    for (int i = 0; i < widget->topLevelItemCount(); ++i) {
        const QStringList children = [&] {
            QStringList texts;
            for (int c = 0; c < widget->topLevelItem(i)->childCount(); ++c)
                texts.append(widget->topLevelItem(i)->child(c)->text(0).trimmed());
            return texts;
        }();
        EXPECT_LE(children.count(QStringLiteral("添加定额")), 1);
        EXPECT_FALSE(children.contains(QStringLiteral("自定义")));
    }
}

TEST_F(ItemDlgTest, SearchShowsHitsAndNoResultNode)
{
    QSignalSpy requested(pane.get(), &CItemDlg::addLibraryItemRequested);
    pane->searchBox()->setText(QStringLiteral(" 场地平整 "));
    EXPECT_TRUE(pane->libraryTree()->isHidden());
    EXPECT_FALSE(pane->resultTree()->isHidden());
    EXPECT_TRUE(pane->searchButton()->isHidden());
    EXPECT_FALSE(pane->clearButton()->isHidden());
    ASSERT_GE(pane->resultTree()->topLevelItemCount(), 1);
    EXPECT_TRUE(topTexts(pane->resultTree()).contains(QStringLiteral("场地平整")));

    QTreeWidgetItem *hit = pane->resultTree()->topLevelItem(0);
    pane->activateResult(hit);
    ASSERT_EQ(requested.count(), 1);
    const qint64 node = requested.at(0).at(0).toLongLong();
    EXPECT_EQ(pane->libraryItemOfNode(int(node))->text(0).trimmed(), hit->text(0).trimmed());

    pane->searchBox()->setText(QStringLiteral("潜艇"));
    EXPECT_EQ(topTexts(pane->resultTree()), QStringList{QStringLiteral("无搜索结果...")});
    pane->activateResult(pane->resultTree()->topLevelItem(0));
    EXPECT_EQ(requested.count(), 1);

    pane->clearButton()->click();
    EXPECT_EQ(pane->searchBox()->text(), QString());
    EXPECT_FALSE(pane->libraryTree()->isHidden());
    EXPECT_TRUE(pane->resultTree()->isHidden());
    EXPECT_FALSE(pane->searchButton()->isHidden());
}

TEST_F(ItemDlgTest, AddItemNodeOpensTheEditorOnItsPlaceholder)
{
    QSignalSpy editor(pane.get(), &CItemDlg::templateEditorRequested);
    QSignalSpy added(pane.get(), &CItemDlg::addLibraryItemRequested);
    pane->activateLibraryNode(CItemDlg::nodeOf(pane->libraryTree()->topLevelItem(0)->child(0)));
    ASSERT_EQ(editor.count(), 1);
    EXPECT_TRUE(LibraryTree::isPlaceholder(library.items().at(editor.at(0).at(0).toInt())));
    EXPECT_EQ(added.count(), 0);
    // A category node names no item.
    pane->activateLibraryNode(CItemDlg::nodeOf(pane->libraryTree()->topLevelItem(0)));
    EXPECT_EQ(editor.count(), 1);
    EXPECT_EQ(added.count(), 0);
}

TEST_F(ItemDlgTest, DeletingFromTheMainLibraryAsksForANewTemplate)
{
    QSignalSpy save(pane.get(), &CItemDlg::saveTemplateRequested);
    const qsizetype index = indexOfItem(QStringLiteral("场地平整"));
    ASSERT_GE(index, 0);
    QMenu *menu = pane->itemMenu(int(index), true);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions().at(2)->text(), QStringLiteral("删除"));
    menu->actions().at(2)->trigger();
    EXPECT_EQ(indexOfItem(QStringLiteral("场地平整")), -1);
    EXPECT_EQ(pane->libraryTree()->topLevelItem(0)->child(1)->text(0).trimmed(), QStringLiteral("人工挖一般土方"));
    ASSERT_EQ(save.count(), 1);
    EXPECT_TRUE(save.at(0).at(0).toBool());
    delete menu;
}

TEST_F(ItemDlgTest, DeletionAfterOpeningATemplateRewritesThatTemplateOnly)
{
    QTemporaryDir dir;
    const QString before = dir.filePath(QStringLiteral("甲.xml"));
    const QString opened = dir.filePath(QStringLiteral("乙.xml"));
    ASSERT_TRUE(QFile::copy(mainLibraryPath(), before));
    ASSERT_TRUE(QFile::copy(mainLibraryPath(), opened));
    templateList.append(before);
    selectedTemplate = 1;
    currentTemplatePath = before;
    QSignalSpy openedSpy(pane.get(), &CItemDlg::templateOpened);

    pane->openTemplateFile(opened);
    ASSERT_EQ(openedSpy.count(), 1);
    EXPECT_EQ(selectedTemplate, 2);
    EXPECT_EQ(currentTemplatePath, opened);

    pane->deleteItem(int(indexOfItem(QStringLiteral("场地平整"))));
    const auto contents = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    EXPECT_FALSE(contents(opened).contains(QStringLiteral("场地平整")));
    EXPECT_TRUE(contents(before).contains(QStringLiteral("场地平整")));
}

TEST_F(ItemDlgTest, FileThatIsNoTemplateLeavesTheSelection)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.xml"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a template");
    file.close();
    QSignalSpy failed(pane.get(), &CItemDlg::templateReadFailed);
    pane->openTemplateFile(path);
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(templateList.size(), 1);
    EXPECT_EQ(selectedTemplate, 0);
    EXPECT_EQ(pane->libraryTree()->topLevelItemCount(), 11);
}

TEST_F(ItemDlgTest, RoomsTreeGrowsUpToSevenRoomsAndStepButtonsFollowIt)
{
    const int bottom = 819;
    EXPECT_TRUE(pane->roomsTree()->isHidden());
    EXPECT_EQ(pane->stepButton(CItemDlg::BillStep)->y(), bottom - 378);
    roomNames = {QStringLiteral("前院"), QStringLiteral("后院")};
    pane->fillRoomsTree();
    EXPECT_EQ(pane->roomsTree()->height(), 2 * 26 + 4);
    EXPECT_EQ(pane->stepButton(CItemDlg::BillStep)->y(), bottom - 378 + 56 + 3);
    for (int i = 0; i < 6; ++i)
        roomNames.append(QStringLiteral("房间%1").arg(i));
    pane->fillRoomsTree();
    EXPECT_EQ(pane->roomsTree()->height(), 160);
    EXPECT_EQ(pane->stepButton(CItemDlg::MachineStep)->y(), bottom - 378 + 160 + 69);

    QSignalSpy selected(pane.get(), &CItemDlg::roomSelected);
    emit pane->roomsTree()->itemClicked(pane->roomsTree()->topLevelItem(1), 0);
    EXPECT_EQ(shared.selectedRoomIndex, 1);
    EXPECT_EQ(selected.count(), 1);
}

// With the shipped skin, whose button padding would make small buttons taller and cut their texts.
TEST_F(ItemDlgTest, SkinnedTableViewControlsNeitherOverlapNorClipTheirTexts)
{
    pane->setStyleSheet(SkinLoader::read(QStringLiteral("ControlSKin"), PLOTWRIGHT_SOURCE_DIR "/resources"));
    pane->show();
    pane->layoutForView(CItemDlg::TableView, 0, 819);
    const QList<QWidget *> rowOrder{pane->stepButton(1), pane->templateButton(), pane->searchBox(),
                                    pane->libraryTree()};
    for (qsizetype i = 0; i + 1 < rowOrder.size(); ++i)
        EXPECT_LE(rowOrder[i]->geometry().bottom(), rowOrder[i + 1]->geometry().top()) << i;
    EXPECT_FALSE(pane->templateButton()->geometry().intersects(pane->newProjectButton()->geometry()));
    EXPECT_FALSE(pane->searchButton()->geometry().intersects(pane->searchBox()->geometry()));
    for (QPushButton *button : {pane->templateButton(), pane->searchButton()}) {
        const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
        EXPECT_LE(textWidth + 2, button->width()) << button->text().toStdString();
        EXPECT_LE(button->fontMetrics().height() + 2, button->height()) << button->text().toStdString();
    }
}

TEST_F(ItemDlgTest, OtherViewsShowOnlyTheFiveSteps)
{
    pane->layoutForView(CItemDlg::FormView, 0, 819);
    EXPECT_TRUE(pane->libraryTree()->isHidden());
    EXPECT_TRUE(pane->searchBox()->isHidden());
    EXPECT_TRUE(pane->newRoomButton()->isHidden());
    EXPECT_EQ(pane->stepButton(CItemDlg::MachineStep)->y(), 132);
}

} // namespace
