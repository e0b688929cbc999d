#pragma once

#include "celltext.h"
#include "estimaterecords.h"

#include <QList>

#include <optional>

// What an estimate operation changed, so that the views can mirror it.
// Indices are estimate row indices (table row = index + 3, bill row = index + 6)
// and are valid after the operation.
struct EstimateChange {
    // False when the operation was refused and nothing changed.
    bool applied = false;

    // An inserted construct row, its number in its group, and the first row of
    // the group whose column-1 cells are merged down to it (-1: the cell stands alone).
    int insertedRow = -1;
    int insertedNumber = 0;
    int groupFirstRow = -1;
    // Rows put in whole from insertedRow on (rooms with their items, items put back).
    // With one new construct row the number and group above tell how it joins its group.
    int insertedCount = 0;

    // A block of rows taken out at movedFrom and put in again at movedTo (an index
    // counted after their removal); their texts are written anew.
    int movedFrom = -1;
    int movedCount = 0;
    int movedTo = -1;
    // Room rows whose name (and picture) must be shown anew.
    QList<int> renamedRooms;

    // Rows removed before the operation's end: [removedFirst, removedFirst + removedCount).
    int removedFirst = -1;
    int removedCount = 0;
    // After removing a construct row: the rest of its group, whose numbers went down by one;
    // when the removed row headed the group, these rows form the group anew (merge column 1).
    QList<int> renumberedRows;
    bool groupHeadRemoved = false;

    // Construct rows whose cells in itemColumns must be rewritten.
    QList<int> itemRows;
    QList<int> itemColumns;
    // Room rows whose total cell must be rewritten, in roomTotalForm.
    QList<int> roomRows;
    CellText::RoomTotalForm roomTotalForm = CellText::RoomTotalForm::WithBlank;
    // The project total label and the summary line must be rewritten.
    bool totalsChanged = false;
    // Code for the bill lists after a project rate was applied (0 profit, 1 loss or tax), else -1.
    int billNoticeCode = -1;
    // Materials or machines summed in a built list may no longer match the rows.
    bool resourcesChanged = false;
    // Head fields of the project information whose texts changed.
    QList<int> headFields;
    // Undo or redo of an applied rate: the project's rate texts to put back.
    std::optional<RateSettings> rateTexts;
};

// The result of an edit of one cell of an item row.
struct CellEdit {
    // False: the grids keep what they show (a room row, a header, columns 1-2 or 13-18, busy estimate).
    bool handled = false;
    // What the edited cell shows now in both grids (the stored value, changed or not).
    QString cellText;
    // Why a typed number was not taken (the cell keeps its stored value); empty otherwise.
    QString refusal;
    EstimateChange change;
};
