#pragma once

#include "documentstate.h"
#include "estimatechange.h"
#include "estimaterecords.h"
#include "projectbound.h"
#include "pricing.h"
#include "rowrestore.h"

#include <QList>
#include <QString>

#include <optional>

// Where an item goes: the room that receives it, the first row of its
// category group (-1 when the room has none) and the insertion index.
struct InsertPlace {
    int room = -1;
    int groupFirst = -1;
    int index = -1;
};

// The in-memory estimate: the ordered rows (each room followed by its items),
// the running project sums, the display precision and the idle flag that
// tells the views whether the rows may be edited. It knows no grid: every
// mutating operation reports what it changed as an EstimateChange.
class Estimate
{
public:
    const QList<EstimateRow> &rows() const { return m_rows; }
    int rowCount() const { return int(m_rows.size()); }
    const ProjectTotals &totals() const { return m_totals; }
    Precision precision() const { return m_precision; }

    // False while an operation on the estimate (or a rebuild of a bill list) runs.
    bool isIdle() const { return m_idle; }
    void setIdle(bool idle) { m_idle = idle; }

    EstimateChange appendRoom(const QString &name);
    EstimateChange appendRoom(const RoomData &room);

    // Puts a copy of the item into the room holding requestedIndex (clamped to
    // the rows), at the end of its category group; applies the quantity and
    // project rates, prices it and keeps the sums. Marks the document modified.
    // Refused while the estimate has no rows.
    EstimateChange insertItem(int requestedIndex, const ConstructItem &item, const RateSettings &rates,
                              DocumentState &document);
    InsertPlace placeFor(int requestedIndex, const QString &categoryKind) const;
    // Appends a room and inserts its items one by one as insertItem does at the
    // room's last row, with the same rows and sums, in time linear in the items.
    void appendRoomWithItems(const RoomData &room, const QList<ConstructItem> &items,
                             const RateSettings &rates, DocumentState &document);

    // An edit that ended in a cell of an item row (columns 3-12 act).
    CellEdit editCell(int index, int column, const QString &text);

    // Replaces the item of a construct row (after its resources were edited) and reprices it.
    EstimateChange repriceItem(int index, const ConstructItem &edited);

    // Removes a construct row, or a room row with all its items.
    EstimateChange removeRow(int index);

    // Gives a room row a new name; false when the row is not a room.
    bool renameRoom(int index, const QString &name);
    // Moves `count` construct rows starting at `first` so that they start at `destination`,
    // an index counted after their removal. Sums do not change. False when out of range.
    bool moveRows(int first, int count, int destination);

    // Puts stored rows and sums back (see RowRestore); the change tells the views what moved.
    EstimateChange restore(const RowRestore &restore);

    // Sets one project rate on every item and rebuilds the sums; refused unless the rate's flag is set.
    EstimateChange applyRateToAll(RateKind kind, const RateSettings &rates);
    // Whether every item priced with this rate keeps the project's sums within float range;
    // applyRateToAll refuses a rate that does not.
    bool rateFits(RateKind kind, const RateSettings &rates) const;

    // Changes the shown decimals; no stored value changes. Refused outside 0-2.
    EstimateChange setPrecision(Precision precision);

    // A project total that reads as negative becomes 0; the label texts follow.
    void refreshTotals();
    QString projectTotalText() const;
    QString summaryLine() const;

    // Empties the rows and zeroes the project sums; precision and idle flag stay.
    void clear();
    // Room for this many rows, so that filling a long project does not move the rows again and again.
    void reserve(int rows) { m_rows.reserve(rows); }

    // The room of a row: the nearest room row at or above it, -1 when none.
    int roomOf(int index) const;
    // The index after the last item of the room at roomIndex.
    int roomEnd(int roomIndex) const;
    // The number of room rows above a row.
    int roomOrdinal(int index) const;
    // The first row of a construct row's category group and its number in that group.
    int groupFirstRow(int index) const;
    int itemNumber(int index) const;

private:
    bool isValid(int index) const { return index >= 0 && index < m_rows.size(); }
    void insertRow(const InsertPlace &place, const ConstructItem &item, const RateSettings &rates,
                   const DocumentState &document);
    void subtractFromSums(int index, int room);
    void addToSums(int index, int room);
    EstimateChange removeItemRow(int index);
    EstimateChange removeRoomRow(int index);
    void takeRows(int first, int count, EstimateChange &change);
    void noteRenumbering(int index, const QString &kind, bool headRemoved, EstimateChange &change) const;
    void repriceRoomWithRate(int room, RateKind kind, const RateSettings &rates, EstimateChange &change);
    void zeroTotalsIfNotPositive();
    // Adds the item to the kept bound when the project stays within it.
    bool boundAdmits(const BrandData &brand);

    QList<EstimateRow> m_rows;
    ProjectTotals m_totals;
    Precision m_precision = 2;
    bool m_idle = false;
    // The bound of the items as they stand, kept up while only inserts follow one another
    // (reading a project inserts item after item); any other change drops it.
    std::optional<ProjectBound> m_insertBound;
};
