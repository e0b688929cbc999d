#pragma once

#include "gridalignment.h"

#include <QString>
#include <QtGlobal>

// The stored form of one cell, kept to 32 bytes because a table holds rows × columns of
// them. Font names are numbers into the grid's name table (0 = none). The merge link and
// the picture, which few cells have, live beside the row (GridCellExtra); the flags tell
// whether a cell is merged without looking there.
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
    quint16 fontName = 0;
    quint8 alignment = GridAlignment::LeftMiddle;
    quint8 fontSize = 0;

    quint32 background() const { return m_colourAndFlags & ColourMask; }
    void setBackground(quint32 colour) { m_colourAndFlags = (m_colourAndFlags & ~ColourMask) | (colour & ColourMask); }
    bool has(Flag flag) const { return flags() & flag; }
    void set(Flag flag, bool on) { setFlags(on ? quint8(flags() | flag) : quint8(flags() & ~flag)); }
    bool isMerged() const { return flags() & (MergeAnchor | MergeCovered); }
    // Everything but the merge flags, so merging and unmerging never touch what a cell shows.
    void resetContent()
    {
        const quint8 link = flags() & (MergeAnchor | MergeCovered);
        *this = GridCell();
        setFlags(link);
    }

    bool operator==(const GridCell &) const = default;

private:
    static constexpr quint32 ColourMask = 0xFFFFFF;

    quint8 flags() const { return quint8(m_colourAndFlags >> 24); }
    void setFlags(quint8 flags) { m_colourAndFlags = (m_colourAndFlags & ColourMask) | (quint32(flags) << 24); }

    // The RGB background in the low three bytes, the flags in the high one.
    quint32 m_colourAndFlags = White;
};

// What only merged cells and pictures need, kept per row once one of its cells has any.
struct GridCellExtra {
    // Anchor: rows and columns of the range. Covered: rows and columns up to the anchor.
    qint32 linkRows = 0;
    qint16 linkColumns = 0;
    quint16 image = 0; // number into the grid's image key table, 0 = none

    bool operator==(const GridCellExtra &) const = default;
};

static_assert(sizeof(GridCell) == 32, "a table holds rows × columns cells: keep the cell small");
