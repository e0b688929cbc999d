#pragma once

#include "gridalignment.h"

#include <QString>
#include <QtGlobal>

// The stored form of one cell, kept small because a table holds rows × columns of
// them. Font names and image keys are numbers into the grid's name tables (0 = none),
// and a merged cell carries a link to its range instead of the range living in a list.
struct GridCell {
    enum Flag : quint8 {
        Wrap = 0x01,
        Bold = 0x02,
        Locked = 0x04,
        MergeAnchor = 0x08,  // top-left cell of a merged range; the link holds its size
        MergeCovered = 0x10, // other cell of a merged range; the link holds the way back to the anchor
    };
    static constexpr quint32 White = 0xFFFFFF;

    QString text;
    quint32 background = White;
    // Anchor: rows and columns of the range. Covered: rows and columns up to the anchor.
    qint32 linkRows = 0;
    qint16 linkColumns = 0;
    quint16 fontName = 0;
    quint16 image = 0;
    quint8 alignment = GridAlignment::LeftMiddle;
    quint8 fontSize = 0;
    quint8 flags = 0;

    bool has(Flag flag) const { return flags & flag; }
    void set(Flag flag, bool on) { flags = on ? quint8(flags | flag) : quint8(flags & ~flag); }
    bool isMerged() const { return flags & (MergeAnchor | MergeCovered); }
    // Everything but the merge link, so merging and unmerging never touch what a cell shows.
    void resetContent()
    {
        const quint8 link = flags & (MergeAnchor | MergeCovered);
        const qint32 rows = linkRows;
        const qint16 columns = linkColumns;
        *this = GridCell();
        flags = link;
        linkRows = rows;
        linkColumns = columns;
    }
};
