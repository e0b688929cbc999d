#pragma once

#include "estimaterecords.h"
#include "rowrestore.h"

#include <QList>
#include <QString>

#include <optional>

// One step of the undo history: what the user did, named as the undo button shows
// it, with the stored rows that undo it (applied last to first) and redo it
// (applied first to last). A group operation holds all of its parts.
struct EstimateEdit {
    // A head field of the project information and the text it had.
    struct HeadText {
        int field = -1;
        QString text;
        bool operator==(const HeadText &) const = default;
    };

    QString name;
    QList<RowRestore> undo;
    QList<RowRestore> redo;
    QList<HeadText> undoHead;
    QList<HeadText> redoHead;
    // A project rate applied: the rate texts before and after, so that the rate dialog
    // shows and the file stores the rates the items carry.
    std::optional<RateSettings> undoRates;
    std::optional<RateSettings> redoRates;

    bool isEmpty() const { return undo.isEmpty() && undoHead.isEmpty(); }

    bool operator==(const EstimateEdit &) const = default;
};
