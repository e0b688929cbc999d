#pragma once

#include "estimaterecords.h"

#include <QString>
#include <QStringList>

// State the budget table shares with the other panes: the stale flags of the
// resource lists and the selections handed around. Room names come from the estimate.
struct TableSharedState {
    bool materialListStale = false;
    bool machineListStale = false;
    // False while a room-wide copy runs; clicks on the table are ignored then.
    bool tableReady = true;
    // The item source of insertions that do not come from the library.
    EstimateRow sourceRow;
    // Estimate index of the row whose operation menu was opened last.
    int selectedRowIndex = -1;
    // Ordinal of the room the left pane selected, renamed or deleted.
    int selectedRoomIndex = -1;
    QString lastRoomName;

    void markListsStale()
    {
        materialListStale = true;
        machineListStale = true;
    }
};
