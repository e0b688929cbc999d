#pragma once

#include "contextfixture.h"

#include "app/projectfilewriter.h"
#include "app/projectform.h"
#include "estimate/celltext.h"
#include "estimate/itemoperations.h"

#include <functional>

// A context with the sample open and every kind of project edit made the way the user makes it.
class EditTest : public ContextTest
{
protected:
    static constexpr int TableTop = BudgetTable::TableHeaderRows;
    static constexpr int BillTop = BudgetTable::BillHeaderRows;

    struct UserEdit {
        const char *name;
        std::function<void()> change;
        bool changesProject;
    };

    ItemOperations operations{context.budgetTable(), context.libraryItems()};

    int firstRow(bool room)
    {
        const QList<EstimateRow> &rows = context.estimate().rows();
        for (int i = 0; i < rows.size(); ++i) {
            if (rows.at(i).isRoom() == room)
                return i;
        }
        return -1;
    }
    int firstItem() { return firstRow(false); }
    int firstRoom() { return firstRow(true); }

    void typeIntoTable(int index, int column, const QString &text)
    {
        context.tableGrid().setText(index + TableTop, column, text);
        context.budgetTable().editCell(index + TableTop, column);
    }

    // The first item of a room that holds more than one category group.
    int itemOfRoomWithGroups()
    {
        for (int i = 0; i < context.estimate().rowCount(); ++i) {
            if (context.estimate().rows().at(i).isConstruct() &&
                context.budgetTable().groupStartsOf(i).size() > 2)
                return i;
        }
        return -1;
    }

    void moveFirstGroupToTheEnd()
    {
        const int index = itemOfRoomWithGroups();
        ASSERT_GE(index, 0) << "the sample has a room with two groups";
        BudgetTable &table = context.budgetTable();
        const int first = table.groupStartsOf(index).first();
        context.tableGrid().setActiveCell(first + TableTop, CellText::CategoryColumn);
        ASSERT_EQ(table.onTableClick(true).action, TableClick::Action::MoveMenu);
        ASSERT_TRUE(operations.moveGroup(int(table.groupStarts().size()) - 1));
    }

    QByteArray savedBytes()
    {
        return ComposeProjectFile(context.projectInfo(), context.settings().rates, context.settings().page,
                                  context.estimate().rows());
    }

    // Every cell text of both grids, row by row.
    QStringList gridTexts()
    {
        QStringList texts;
        for (Grid *grid : {&context.tableGrid(), &context.billGrid()}) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                for (int column = 0; column < grid->columnCount(); ++column)
                    texts << grid->text(row, column);
            }
        }
        return texts;
    }

    // The edits of the estimate; the head field is kept beside it.
    QList<UserEdit> estimateEdits()
    {
        BudgetTable &table = context.budgetTable();
        return {
            {"quantity typed into the table",
             [&] { typeIntoTable(firstItem(), CellText::QuantityColumn, "7"); }, true},
            {"name typed into the table", [&] { typeIntoTable(firstItem(), CellText::NameColumn, "新名称"); },
             true},
            {"blank typed over a quantity",
             [&] { typeIntoTable(firstItem(), CellText::QuantityColumn, " "); }, false},
            {"price typed into the bill",
             [&] {
                 const int row = firstItem() + BillTop;
                 context.billGrid().setText(row, CellText::MaterialPriceColumn, QStringLiteral("3.5"));
                 context.billLists().onBillCellEdited(table, row, CellText::MaterialPriceColumn, true);
             },
             true},
            {"item deleted",
             [&] {
                 table.setClickedRow(firstItem() + TableTop);
                 ASSERT_TRUE(operations.deleteRow());
             },
             true},
            {"room deleted",
             [&] {
                 prompter.answer = Prompter::Yes;
                 table.setClickedRow(firstRoom() + TableTop);
                 ASSERT_TRUE(operations.deleteRow());
             },
             true},
            {"room added",
             [&] {
                 prompter.roomName = QStringLiteral("后院");
                 ASSERT_TRUE(table.createRoom());
             },
             true},
            {"room renamed",
             [&] {
                 prompter.roomName = QStringLiteral("改名的院子");
                 ASSERT_TRUE(table.renameRoom(firstRoom() + TableTop));
             },
             true},
            {"category group moved", [&] { moveFirstGroupToTheEnd(); }, true},
            {"profit rate applied to all items",
             [&] {
                 // The rate dialog changes the texts first; undo puts them back with the items' rates.
                 const RateSettings before = context.settings().rates;
                 context.settings().rates.profitEnabled = true;
                 context.settings().rates.mainProfit = QStringLiteral("12");
                 ASSERT_EQ(table.applyProjectRate(RateKind::Profit, before), 0);
             },
             true},
            {"resources of an item edited",
             [&] {
                 const int index = firstItem();
                 ConstructItem edited = context.estimate().rows().at(index).item;
                 edited.brand.material += 1.0f;
                 table.setClickedRow(index + TableTop);
                 ASSERT_TRUE(operations.repriceAfterResourceEdit(edited));
             },
             true},
            {"item inserted",
             [&] {
                 const ConstructItem item = context.estimate().rows().at(firstItem()).item;
                 ASSERT_TRUE(table.insertItem(firstRoom() + TableTop, item));
             },
             true},
        };
    }

    void editHeadField()
    {
        ProjectForm form(context.estimateDocument(), &context.tableGrid(), &context.billLists());
        ASSERT_TRUE(form.finishEdit(0, QStringLiteral("另一个工程")));
    }
};
