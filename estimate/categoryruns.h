#pragma once

#include "estimate.h"

#include <QList>
#include <QString>

// The category groups of the room being filled, as runs of rows with equal
// category texts. Where an item appended to that room goes is then found in
// one step per group instead of one per item already in the room; the places
// are those Estimate::placeFor gives for the room's last row.
class CategoryRuns
{
public:
    // Starts over for the room row at `roomIndex`, which has no items yet.
    void startRoom(int roomIndex);
    InsertPlace placeFor(const QString &categoryKind) const;
    // Records that an item of this category went to `place`, an answer of placeFor.
    void inserted(const InsertPlace &place, const QString &categoryKind);

private:
    struct Run {
        QString kind;
        int first = 0;
        int count = 0;
    };

    int m_room = -1;
    int m_end = -1; // the index after the room's last item
    QList<Run> m_runs;
};
