#pragma once

#include "estimaterecords.h"
#include "pricing.h"
#include "rowrestore.h"

#include <QList>
#include <QString>

// One step of the undo history: the operations of one user action, each with the
// stored state that takes it back and does it again exactly. A group operation (add
// to all rooms, copy to other rooms) holds all of its parts and carries its name;
// a single operation is named by the kind of its one part.
struct EstimateEdit {
    enum class Operation {
        InsertItem,
        AddRoom,
        EditCell,
        DeleteRow,
        MoveGroup,
        RenameRoom,
        ApplyRate,
        ReplaceItem,
        SetHeadField,
    };

    // A head field of the project information and its text.
    struct HeadText {
        int field = -1;
        QString text;
        bool operator==(const HeadText &) const = default;
    };

    struct Part {
        Operation operation = Operation::EditCell;
        // The stored rows and sums before the operation (undo) and after it (redo).
        RowRestore undo;
        RowRestore redo;
        // EditCell: the column typed into.
        int column = -1;
        // ApplyRate: the kind, and the rate texts before and after, so that the rate
        // dialog shows and the file stores the rates the items carry.
        RateKind rateKind = RateKind::Profit;
        RateSettings ratesBefore;
        RateSettings ratesAfter;
        // SetHeadField.
        HeadText headBefore;
        HeadText headAfter;

        bool operator==(const Part &) const = default;
    };

    // The group's name; empty for a single operation.
    QString name;
    QList<Part> parts;

    bool isEmpty() const { return parts.isEmpty(); }

    bool operator==(const EstimateEdit &) const = default;
};
