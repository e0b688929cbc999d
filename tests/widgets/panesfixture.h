#pragma once

#include "fakeprompter.h"

#include "contracts/grid.h"
#include "contracts/widgets/gridview.h"
#include "contracts/widgets/qttextmeasure.h"
#include "estimate/budgettable.h"
#include "estimate/documentstate.h"
#include "estimate/itemoperations.h"
#include "estimate/libraryitems.h"
#include "estimate/roompictures.h"
#include "estimate/tablesharedstate.h"
#include "estimate/widgets/ctabledlg.h"
#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/widgets/citemdlg.h"
#include "reports/billlists.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The library as the item operations see it, straight over the loaded template.
struct TemplateItems : LibraryItems {
    QuotaLibrary &library;

    explicit TemplateItems(QuotaLibrary &lib) : library(lib) {}
    const ConstructItem *findByTreeNode(qint64 node) const override
    {
        for (const QuotaItem &item : library.items()) {
            if (item.treeNode == node)
                return &item;
        }
        return nullptr;
    }
    const ConstructItem *findByNameNoBlanks(const QString &name) const override
    {
        for (const QuotaItem &item : library.items()) {
            if (QString(item.itemName).remove(QLatin1Char(' ')) == name)
                return &item;
        }
        return nullptr;
    }
    QStringList categoryNames() const override { return {}; }
    bool insertIntoCategory(const ConstructItem &, int) override { return false; }
    bool canEditTemplate() const override { return library.canEditTemplate(); }
};

// The left pane, the budget table and the bill lists over one estimate, wired as the
// main window wires them.
// The cell editor open in a view, if any.
inline QLineEdit *openEditor(GridView *view)
{
    for (QLineEdit *editor : view->viewport()->findChildren<QLineEdit *>()) {
        if (editor->isVisible())
            return editor;
    }
    return nullptr;
}

// The text of the warning a step shows, answered with OK; empty when none is shown.
inline QString warningShownBy(const std::function<void()> &step)
{
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(10);
    step();
    return shown;
}

class PanesFixture : public testing::Test
{
protected:
    static QString mainLibraryPath()
    {
        return QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml");
    }

    PanesFixture()
    {
        library.LoadTemplate(mainLibraryPath(), mainLibraryPath());
        lists.setUp(2);
        budget.setTextMeasure(&measure);
        budget.setUpGrid(folder.path());
        left = std::make_unique<CItemDlg>(CItemDlg::Parts{library, tree, shared, prompter, templateList,
                                                          selectedTemplate, currentTemplatePath, counter,
                                                          [this] { return estimate.roomNames(); }});
        table = std::make_unique<CTableDlg>(budget, operations);
        QObject::connect(left.get(), &CItemDlg::addLibraryItemRequested, table.get(),
                         &CTableDlg::addLibraryItem);
        QObject::connect(left.get(), &CItemDlg::newRoomRequested, table.get(), &CTableDlg::createRoom);
        QObject::connect(table.get(), &CTableDlg::roomsChanged, left.get(), &CItemDlg::fillRoomsTree);
        left->layoutForView(CItemDlg::TableView, 0, 819);
        table->showInMainWindow(1250, 819);
    }

    QTreeWidgetItem *libraryItemNamed(const QString &name) const
    {
        for (const QuotaItem &item : library.items()) {
            if (item.itemName == name)
                return left->libraryItemOfNode(item.treeNode);
        }
        return nullptr;
    }

    // Clicks the cell through the view, then chooses the entry of the menu that opened.
    void chooseFromMenu(int row, int column, const QString &entry)
    {
        clickCell(row, column);
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().trimmed() == entry)
                chosen = action;
        }
        ASSERT_NE(chosen, nullptr) << entry.toStdString();
        menu->close();
        chosen->trigger();
    }

    void clickCell(int row, int column);

    QTemporaryDir folder;
    EstimateDocument doc;
    Estimate &estimate = doc.estimate();
    Grid grid;
    QtTextMeasure measure;
    TableSharedState shared;
    BillLists lists{measure, shared};
    DocumentState &document = doc.state();
    RateSettings rates;
    RoomPictures pictures{folder.path(), QString()};
    FakePrompter prompter;
    BudgetTable budget{{doc, grid, lists.billGrid(), rates, shared, pictures, prompter}};
    QuotaLibrary library;
    LibraryTree tree;
    TemplateItems items{library};
    ItemOperations operations{budget, items};
    QStringList templateList{mainLibraryPath()};
    int selectedTemplate = 0;
    QString currentTemplatePath = mainLibraryPath();
    int counter = 1;
    std::unique_ptr<CItemDlg> left;
    std::unique_ptr<CTableDlg> table;
};
