#include "grid.h"

#include "gridtextmeasure.h"

#include <QFile>
#include <algorithm>
#include <limits>

namespace {

const GridCell DefaultCell;

} // namespace

Grid::Grid(QObject *parent) : QObject(parent)
{
}

Grid::Grid(int rows, int columns, QObject *parent) : QObject(parent)
{
    setColumnCount(columns);
    setRowCount(rows);
}

Grid::~Grid() = default;

bool Grid::contains(int row, int column) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

const GridCell *Grid::cellAt(int row, int column) const
{
    return contains(row, column) ? &m_rows.cell(row, column) : &DefaultCell;
}

GridRange Grid::clipped(const GridRange &range) const
{
    return range.intersected(whole());
}

// ---- shape ----

void Grid::setRowCount(int rows)
{
    if (rows > rowCount())
        insertRows(rowCount(), rows - rowCount());
    else if (rows >= 0 && rows < rowCount())
        removeRows(rows, rowCount() - rows);
}

void Grid::setColumnCount(int columns)
{
    if (columns > columnCount())
        insertColumns(columnCount(), columns - columnCount());
    else if (columns >= 0 && columns < columnCount())
        removeColumns(columns, columnCount() - columns);
}

void Grid::insertRows(int before, int count)
{
    if (count <= 0 || before < 0 || before > rowCount() || count > MaxRows - rowCount())
        return;
    const bool single = beginShapeChange();
    if (single)
        emit rowsAboutToBeInserted(before, before + count - 1);
    const QList<GridRange> grown = m_merges.crossing(before);
    m_rows.insert(before, count, m_defaultRowHeight);
    GridRange changed;
    for (const GridRange &range : grown) {
        const GridRange after = GridMergeLinks::afterRowsInserted(range, before, count);
        m_merges.link(after);
        changed = changed.united(after);
    }
    if (single)
        emit rowsInserted(before, before + count - 1);
    notifyMerges(changed);
}

void Grid::removeRows(int first, int count)
{
    if (first < 0 || first >= rowCount() || count <= 0)
        return;
    count = std::min(count, rowCount() - first);
    const bool single = beginShapeChange();
    if (single)
        emit rowsAboutToBeRemoved(first, first + count - 1);
    const GridRange merges = applyRowsRemoved(first, count);
    if (single)
        emit rowsRemoved(first, first + count - 1);
    notifyMerges(merges);
    clampActiveCell();
}

// Answers the area of the merged ranges that changed shape.
GridRange Grid::applyRowsRemoved(int first, int count)
{
    const QList<GridRange> hit = columnCount() > 0
                                     ? m_merges.intersecting({first, 0, first + count - 1, columnCount() - 1})
                                     : QList<GridRange>();
    m_rows.remove(first, count);
    GridRange changed;
    for (const GridRange &range : hit) {
        const GridRange after = GridMergeLinks::afterRowsRemoved(range, first, count);
        if (!after.isValid())
            continue;
        m_merges.link(after); // rewrites the links, and unmerges a range left with one cell
        changed = changed.united(after);
    }
    return changed;
}

void Grid::insertColumns(int before, int count)
{
    if (count <= 0 || before < 0 || before > columnCount() || count > MaxColumns - columnCount())
        return;
    const bool single = beginShapeChange();
    if (single)
        emit columnsAboutToBeInserted(before, before + count - 1);
    m_columns.insert(m_columns.begin() + before, std::size_t(count), GridColumn());
    const GridRange merges = reshapeColumns(columnCount(), before, count, true);
    if (single)
        emit columnsInserted(before, before + count - 1);
    notifyMerges(merges);
}

void Grid::removeColumns(int first, int count)
{
    if (first < 0 || first >= columnCount() || count <= 0)
        return;
    count = std::min(count, columnCount() - first);
    const bool single = beginShapeChange();
    if (single)
        emit columnsAboutToBeRemoved(first, first + count - 1);
    m_columns.erase(m_columns.begin() + first, m_columns.begin() + first + count);
    const GridRange merges = reshapeColumns(columnCount(), first, count, false);
    if (single)
        emit columnsRemoved(first, first + count - 1);
    notifyMerges(merges);
    clampActiveCell();
}

// Columns change rarely, so every row is rebuilt and every merge moved by the same rule as for rows.
GridRange Grid::reshapeColumns(int columns, int changeAt, int count, bool inserting)
{
    const int oldColumns = m_rows.columns();
    // The column list has already changed; the cells still have the old width.
    const QList<GridRange> merges = rowCount() > 0 && oldColumns > 0
                                        ? m_merges.intersecting({0, 0, rowCount() - 1, oldColumns - 1})
                                        : QList<GridRange>();
    m_rows.reshape(columns, [&](int column) {
        if (column < changeAt)
            return column;
        if (inserting)
            return column + count;
        return column < changeAt + count ? -1 : column - count;
    });
    for (int row = 0; row < rowCount(); ++row)
        m_merges.unlink({row, 0, row, columns - 1});
    GridRange changed;
    for (const GridRange &range : merges) {
        const GridRange after = inserting ? GridMergeLinks::afterColumnsInserted(range, changeAt, count)
                                          : GridMergeLinks::afterColumnsRemoved(range, changeAt, count);
        if (after.isValid())
            m_merges.link(after);
        if (after.isValid() && after != range)
            changed = changed.united(after);
    }
    return changed;
}

void Grid::clampActiveCell()
{
    if (m_activeRow < 0)
        return;
    const int row = std::min(m_activeRow, rowCount() - 1);
    const int column = std::min(m_activeColumn, columnCount() - 1);
    if (row < 0 || column < 0) {
        m_activeRow = m_activeColumn = -1;
        notifyActiveCell();
    } else if (row != m_activeRow || column != m_activeColumn) {
        m_activeRow = row;
        m_activeColumn = column;
        notifyActiveCell();
    }
}

void Grid::setFixedRowCount(int rows)
{
    if (rows < 0 || rows == m_fixedRows)
        return;
    m_fixedRows = rows;
    notifyFixedCounts();
}

void Grid::setFixedColumnCount(int columns)
{
    if (columns < 0 || columns == m_fixedColumns)
        return;
    m_fixedColumns = columns;
    notifyFixedCounts();
}

// ---- sizes ----

void Grid::setDefaultRowHeight(int height)
{
    if (height >= 0)
        m_defaultRowHeight = height;
}

int Grid::rowHeight(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows.at(row).height : 0;
}

void Grid::setRowHeight(int row, int height)
{
    if (row < 0 || row >= rowCount() || height < 0 || m_rows.at(row).height == height)
        return;
    m_rows.at(row).height = height;
    notifyRowHeights(row, row);
}

int Grid::columnWidth(int column) const
{
    return column >= 0 && column < columnCount() ? m_columns[std::size_t(column)].width : 0;
}

void Grid::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= columnCount() || width < 0 || m_columns[std::size_t(column)].width == width)
        return;
    m_columns[std::size_t(column)].width = width;
    notifyColumns(column, column);
}

GridColumn Grid::column(int column) const
{
    return column >= 0 && column < columnCount() ? m_columns[std::size_t(column)] : GridColumn{0, 0, 0};
}

void Grid::setColumnNumberFormat(int column, int kind, int decimals)
{
    if (column < 0 || column >= columnCount() || decimals < 0)
        return;
    GridColumn &entry = m_columns[std::size_t(column)];
    if (entry.kind == kind && entry.decimals == decimals)
        return;
    entry.kind = kind;
    entry.decimals = decimals;
    notifyColumns(column, column);
}

void Grid::setDefaultFont(const GridFont &font)
{
    m_defaultFont = font;
    if (rowCount() > 0 && columnCount() > 0)
        notifyCells(whole());
}

// ---- cells ----

template <class Change> void Grid::changeCell(int row, int column, Change change)
{
    if (contains(row, column) && change(m_rows.cell(row, column)))
        notifyCells(GridRange::cell(row, column));
}

template <class Change> void Grid::changeRange(const GridRange &range, Change change)
{
    const GridRange area = clipped(range);
    if (!area.isValid())
        return;
    bool changed = false;
    for (int row = area.top; row <= area.bottom; ++row) {
        GridCell *cells = m_rows.at(row).cells.get();
        for (int column = area.left; column <= area.right; ++column)
            changed = change(cells[column]) || changed;
    }
    if (changed)
        notifyCells(area);
}

namespace {

template <class Value> auto assign(Value GridCell::*field, Value value)
{
    return [field, value](GridCell &cell) {
        if (cell.*field == value)
            return false;
        cell.*field = value;
        return true;
    };
}

auto assignBackground(quint32 colour)
{
    return [colour = colour & GridCell::White](GridCell &cell) {
        if (cell.background() == colour)
            return false;
        cell.setBackground(colour);
        return true;
    };
}

auto assignFlag(GridCell::Flag flag, bool on)
{
    return [flag, on](GridCell &cell) {
        if (cell.has(flag) == on)
            return false;
        cell.set(flag, on);
        return true;
    };
}

bool validByte(int value)
{
    return value >= 0 && value <= 255;
}

} // namespace

quint16 Grid::internName(QStringList &names, const QString &name)
{
    if (name.isEmpty())
        return 0;
    const qsizetype at = names.indexOf(name);
    if (at >= 0)
        return quint16(at);
    if (names.size() > std::numeric_limits<quint16>::max())
        return 0; // beyond any real table; such a cell falls back to the default
    names.append(name);
    return quint16(names.size() - 1);
}

QString Grid::text(int row, int column) const
{
    return cellAt(row, column)->text;
}

void Grid::setText(int row, int column, const QString &text)
{
    changeCell(row, column, assign(&GridCell::text, text));
}

int Grid::alignment(int row, int column) const
{
    return cellAt(row, column)->alignment;
}

void Grid::setAlignment(int row, int column, int code)
{
    if (validByte(code))
        changeCell(row, column, assign(&GridCell::alignment, quint8(code)));
}

quint32 Grid::background(int row, int column) const
{
    return cellAt(row, column)->background();
}

void Grid::setBackground(int row, int column, quint32 colour)
{
    changeCell(row, column, assignBackground(colour));
}

bool Grid::wrap(int row, int column) const
{
    return cellAt(row, column)->has(GridCell::Wrap);
}

void Grid::setWrap(int row, int column, bool on)
{
    changeCell(row, column, assignFlag(GridCell::Wrap, on));
}

bool Grid::bold(int row, int column) const
{
    return cellAt(row, column)->has(GridCell::Bold);
}

void Grid::setBold(int row, int column, bool on)
{
    changeCell(row, column, assignFlag(GridCell::Bold, on));
}

bool Grid::locked(int row, int column) const
{
    return cellAt(row, column)->has(GridCell::Locked);
}

void Grid::setLocked(int row, int column, bool on)
{
    changeCell(row, column, assignFlag(GridCell::Locked, on));
}

QString Grid::imageKey(int row, int column) const
{
    return contains(row, column) ? m_imageKeys.at(m_rows.extra(row, column).image) : QString();
}

void Grid::setImage(int row, int column, const QString &key)
{
    if (!contains(row, column))
        return;
    const quint16 image = internName(m_imageKeys, key);
    if (m_rows.extra(row, column).image == image)
        return;
    m_rows.extraForWrite(row, column).image = image;
    notifyCells(GridRange::cell(row, column));
}

QString Grid::fontName(int row, int column) const
{
    return m_fontNames.at(cellAt(row, column)->fontName);
}

void Grid::setFontName(int row, int column, const QString &name)
{
    if (contains(row, column))
        changeCell(row, column, assign(&GridCell::fontName, internName(m_fontNames, name)));
}

int Grid::fontSize(int row, int column) const
{
    return cellAt(row, column)->fontSize;
}

void Grid::setFontSize(int row, int column, int size)
{
    if (validByte(size))
        changeCell(row, column, assign(&GridCell::fontSize, quint8(size)));
}

GridFont Grid::font(int row, int column) const
{
    const GridCell *cell = cellAt(row, column);
    GridFont font = m_defaultFont;
    if (cell->fontName != 0)
        font.name = m_fontNames.at(cell->fontName);
    if (cell->fontSize != 0)
        font.size = cell->fontSize;
    font.bold = font.bold || cell->has(GridCell::Bold);
    return font;
}

void Grid::setRangeAlignment(const GridRange &range, int code)
{
    if (validByte(code))
        changeRange(range, assign(&GridCell::alignment, quint8(code)));
}

void Grid::setRangeBackground(const GridRange &range, quint32 colour)
{
    changeRange(range, assignBackground(colour));
}

void Grid::setRangeWrap(const GridRange &range, bool on)
{
    changeRange(range, assignFlag(GridCell::Wrap, on));
}

void Grid::setRangeBold(const GridRange &range, bool on)
{
    changeRange(range, assignFlag(GridCell::Bold, on));
}

void Grid::setRangeLocked(const GridRange &range, bool on)
{
    changeRange(range, assignFlag(GridCell::Locked, on));
}

void Grid::setRangeFontName(const GridRange &range, const QString &name)
{
    if (clipped(range).isValid())
        changeRange(range, assign(&GridCell::fontName, internName(m_fontNames, name)));
}

void Grid::setRangeFontSize(const GridRange &range, int size)
{
    if (validByte(size))
        changeRange(range, assign(&GridCell::fontSize, quint8(size)));
}

void Grid::clearRange(const GridRange &range)
{
    const GridRange area = clipped(range);
    if (!area.isValid())
        return;
    unmerge(area);
    for (int row = area.top; row <= area.bottom; ++row) {
        GridRow &entry = m_rows.at(row);
        for (int column = area.left; entry.extras && column <= area.right; ++column)
            entry.extras[column].image = 0;
    }
    changeRange(area, [](GridCell &cell) {
        cell.resetContent();
        return true;
    });
}

void Grid::clear()
{
    clearRange(whole());
}

// ---- merges ----

bool Grid::merge(const GridRange &range)
{
    if (!range.isValid() || clipped(range) != range)
        return false;
    GridRange changed = range;
    for (const GridRange &old : m_merges.intersecting(range)) {
        m_merges.unlink(old);
        changed = changed.united(old);
    }
    m_merges.link(range);
    notifyMerges(changed);
    return true;
}

void Grid::unmerge(const GridRange &area)
{
    const GridRange inside = clipped(area);
    if (!inside.isValid())
        return;
    GridRange changed;
    for (const GridRange &old : m_merges.intersecting(inside)) {
        m_merges.unlink(old);
        changed = changed.united(old);
    }
    notifyMerges(changed);
}

GridRange Grid::mergedRangeAt(int row, int column) const
{
    return contains(row, column) ? m_merges.rangeAt(row, column) : GridRange();
}

bool Grid::isMerged(int row, int column) const
{
    return cellAt(row, column)->isMerged();
}

QList<GridRange> Grid::mergedRanges() const
{
    return mergedRanges(whole());
}

QList<GridRange> Grid::mergedRanges(const GridRange &area) const
{
    const GridRange inside = clipped(area);
    return inside.isValid() ? m_merges.intersecting(inside) : QList<GridRange>();
}

// ---- active cell and geometry ----

void Grid::setActiveCell(int row, int column)
{
    if (!contains(row, column) || (row == m_activeRow && column == m_activeColumn))
        return;
    m_activeRow = row;
    m_activeColumn = column;
    notifyActiveCell();
}

QRect Grid::cellRect(int row, int column) const
{
    if (!contains(row, column))
        return QRect();
    const GridRange range = m_merges.rangeAt(row, column);
    int x = 0;
    int width = 0;
    for (int c = 0; c <= range.right; ++c)
        (c < range.left ? x : width) += m_columns[std::size_t(c)].width;
    int y = 0;
    int height = 0;
    for (int r = 0; r <= range.bottom; ++r)
        (r < range.top ? y : height) += m_rows.at(r).height;
    return QRect(x, y, width, height);
}

void Grid::fitRowHeight(int row, const GridTextMeasure &measure)
{
    if (row < 0 || row >= rowCount())
        return;
    int tallest = -1;
    for (int column = 0; column < columnCount(); ++column) {
        const GridRange range = m_merges.rangeAt(row, column);
        if (range.top != row || range.left != column || range.rowCount() != 1)
            continue;
        int width = 0;
        for (int c = range.left; c <= range.right; ++c)
            width += m_columns[std::size_t(c)].width;
        if (width == 0)
            continue;
        const GridCell &cell = m_rows.cell(row, column);
        tallest = std::max(tallest,
                           measure.textHeight(cell.text, font(row, column), width, cell.has(GridCell::Wrap)));
    }
    if (tallest >= 0)
        setRowHeight(row, tallest);
}

// ---- images ----

void Grid::addImage(const QString &key, const GridImage &image)
{
    m_images.insert(key, image);
    notifyImages();
}

bool Grid::addImageFile(const QString &key, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    bytes.squeeze(); // read in growing steps; a table may hold a picture for each of hundreds of rooms
    addImage(key, GridImage{path, std::move(bytes)});
    return true;
}

// ---- notifications ----

void Grid::beginUpdate()
{
    ++m_updateDepth;
}

void Grid::endUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    sendGathered();
}

void Grid::sendGathered()
{
    const GridChangeSet changes = std::exchange(m_gathered, GridChangeSet());
    if (changes.structure()) {
        emit reset(); // the views read everything again
        return;
    }
    const GridRange &cells = changes.cells();
    if (cells.isValid())
        emit cellsChanged(cells.top, cells.left, cells.bottom, cells.right);
    const GridRange &merges = changes.merges();
    if (merges.isValid())
        emit mergesChanged(merges.top, merges.left, merges.bottom, merges.right);
    if (changes.rowHeights().isValid())
        emit rowHeightsChanged(changes.rowHeights().top, changes.rowHeights().bottom);
    if (changes.columns().isValid())
        emit columnsChanged(changes.columns().left, changes.columns().right);
    if (changes.fixedCounts())
        emit fixedCountsChanged();
    if (changes.activeCell())
        emit activeCellChanged(m_activeRow, m_activeColumn);
    if (changes.images())
        emit imagesChanged();
}

// True when the change is announced on its own; inside a batch the first change of
// shape announces a reset instead, before the grid has changed.
bool Grid::beginShapeChange()
{
    if (m_updateDepth == 0)
        return true;
    if (!m_gathered.structure())
        emit aboutToReset();
    m_gathered.markStructure();
    return false;
}

void Grid::notifyCells(const GridRange &area)
{
    if (m_updateDepth > 0)
        m_gathered.addCells(area);
    else
        emit cellsChanged(area.top, area.left, area.bottom, area.right);
}

void Grid::notifyMerges(const GridRange &area)
{
    if (!area.isValid())
        return;
    if (m_updateDepth > 0)
        m_gathered.addMerges(area);
    else
        emit mergesChanged(area.top, area.left, area.bottom, area.right);
}

void Grid::notifyRowHeights(int first, int last)
{
    if (m_updateDepth > 0)
        m_gathered.addRowHeights(first, last);
    else
        emit rowHeightsChanged(first, last);
}

void Grid::notifyColumns(int first, int last)
{
    if (m_updateDepth > 0)
        m_gathered.addColumns(first, last);
    else
        emit columnsChanged(first, last);
}

void Grid::notifyFixedCounts()
{
    if (m_updateDepth > 0)
        m_gathered.markFixedCounts();
    else
        emit fixedCountsChanged();
}

void Grid::notifyActiveCell()
{
    if (m_updateDepth > 0)
        m_gathered.markActiveCell();
    else
        emit activeCellChanged(m_activeRow, m_activeColumn);
}

void Grid::notifyImages()
{
    if (m_updateDepth > 0)
        m_gathered.markImages();
    else
        emit imagesChanged();
}
