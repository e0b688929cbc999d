#pragma once

#include "rowrestore.h"

#include <QList>
#include <QString>

// One step of the undo history: what the user did, named as the undo button shows
// it, with the stored rows that undo it (applied last to first) and redo it
// (applied first to last). A group operation holds all of its parts.
struct EstimateEdit {
    QString name;
    QList<RowRestore> undo;
    QList<RowRestore> redo;

    bool operator==(const EstimateEdit &) const = default;
};
