#include "gridview.h"

#include "contracts/grid.h"
#include "contracts/gridmergelinks.h"
#include "gridcelldelegate.h"
#include "gridmodel.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int ResizeGrip = 3; // pixels either side of a column border that start a drag
constexpr int MinimumColumnWidth = 2;

} // namespace

GridView::GridView(QWidget *parent) : QTableView(parent)
{
    setItemDelegate(new GridCellDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setMouseTracking(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

GridView::~GridView() = default;

Grid *GridView::grid() const
{
    return m_model ? m_model->grid() : nullptr;
}

void GridView::setGrid(Grid *grid)
{
    GridModel *old = m_model;
    if (old && old->grid())
        disconnect(old->grid(), nullptr, this, nullptr);
    m_model = grid ? new GridModel(grid, this) : nullptr;
    setModel(m_model);
    delete old;
    m_spans.clear();
    if (!m_model)
        return;
    connect(m_model, &GridModel::cellEdited, this, &GridView::cellEdited);
    connectGrid();
    rebuildAll();
    showActiveCell(grid->activeRow(), grid->activeColumn());
}

void GridView::connectGrid()
{
    Grid *g = grid();
    connect(g, &Grid::reset, this, &GridView::rebuildAll);
    connect(g, &Grid::rowsInserted, this, [this](int first, int last) {
        shiftSpansForInsertedRows(first, last);
        applyRowHeights(first, last);
    });
    connect(g, &Grid::rowsRemoved, this, &GridView::shiftSpansForRemovedRows);
    connect(g, &Grid::columnsInserted, this, [this](int first, int last) {
        shiftSpansForColumns(first, last, true);
        applyColumnWidths(first, last);
    });
    connect(g, &Grid::columnsRemoved, this,
            [this](int first, int last) { shiftSpansForColumns(first, last, false); });
    connect(g, &Grid::mergesChanged, this, [this](int top, int left, int bottom, int right) {
        refreshSpans({top, left, bottom, right});
    });
    connect(g, &Grid::rowHeightsChanged, this, &GridView::applyRowHeights);
    connect(g, &Grid::columnsChanged, this, &GridView::applyColumnWidths);
    connect(g, &Grid::activeCellChanged, this, &GridView::showActiveCell);
}

// After a batch: everything is read again, which is one pass over the rows.
void GridView::rebuildAll()
{
    Grid *g = grid();
    clearSpans();
    m_spans.clear();
    verticalHeader()->setDefaultSectionSize(std::max(1, g->defaultRowHeight()));
    applyRowHeights(0, g->rowCount() - 1);
    applyColumnWidths(0, g->columnCount() - 1);
    for (const GridRange &range : g->mergedRanges()) {
        setSpan(range.top, range.left, range.rowCount(), range.columnCount());
        m_spans.push_back(range);
    }
    showActiveCell(g->activeRow(), g->activeColumn());
}

// Takes back the spans touching the area and sets the grid's current ranges there.
void GridView::refreshSpans(const GridRange &area)
{
    if (!area.isValid())
        return;
    auto touched = std::partition(m_spans.begin(), m_spans.end(),
                                  [&](const GridRange &span) { return !span.intersects(area); });
    for (auto it = touched; it != m_spans.end(); ++it) {
        if (rowSpan(it->top, it->left) > 1 || columnSpan(it->top, it->left) > 1)
            setSpan(it->top, it->left, 1, 1);
    }
    m_spans.erase(touched, m_spans.end());
    for (const GridRange &range : grid()->mergedRanges(area)) {
        if (rowSpan(range.top, range.left) > 1 || columnSpan(range.top, range.left) > 1)
            setSpan(range.top, range.left, 1, 1);
        setSpan(range.top, range.left, range.rowCount(), range.columnCount());
        m_spans.push_back(range);
    }
}

// The table view moves its own spans with the rows; the record follows the same rule.
void GridView::shiftSpansForInsertedRows(int first, int last)
{
    for (GridRange &span : m_spans)
        span = GridMergeLinks::afterRowsInserted(span, first, last - first + 1);
}

void GridView::shiftSpansForRemovedRows(int first, int last)
{
    for (GridRange &span : m_spans)
        span = GridMergeLinks::afterRowsRemoved(span, first, last - first + 1);
    std::erase_if(m_spans, [](const GridRange &span) { return !span.isValid() || span.isSingleCell(); });
}

void GridView::shiftSpansForColumns(int first, int last, bool inserted)
{
    const int count = last - first + 1;
    for (GridRange &span : m_spans) {
        span = inserted ? GridMergeLinks::afterColumnsInserted(span, first, count)
                        : GridMergeLinks::afterColumnsRemoved(span, first, count);
    }
    std::erase_if(m_spans, [](const GridRange &span) { return !span.isValid() || span.isSingleCell(); });
}

// Only rows that differ from the default are touched, so a long table costs one cheap pass.
void GridView::applyRowHeights(int first, int last)
{
    Grid *g = grid();
    QHeaderView *header = verticalHeader();
    const int standard = header->defaultSectionSize();
    first = std::max(first, 0);
    last = std::min(last, g->rowCount() - 1);
    for (int row = first; row <= last; ++row) {
        const int height = g->rowHeight(row);
        const bool hidden = height <= 0;
        if (header->isSectionHidden(row) != hidden)
            setRowHidden(row, hidden);
        if (!hidden && (height != standard || header->sectionSize(row) != height))
            header->resizeSection(row, height);
    }
}

void GridView::applyColumnWidths(int first, int last)
{
    Grid *g = grid();
    first = std::max(first, 0);
    last = std::min(last, g->columnCount() - 1);
    for (int column = first; column <= last; ++column) {
        const int width = g->columnWidth(column);
        const bool hidden = width <= 0;
        if (isColumnHidden(column) != hidden)
            setColumnHidden(column, hidden);
        if (!hidden && columnWidth(column) != width)
            setColumnWidth(column, width);
    }
}

void GridView::showActiveCell(int row, int column)
{
    if (!m_model || row < 0 || column < 0)
        return;
    const QModelIndex index = m_model->index(row, column);
    if (!index.isValid() || index == currentIndex())
        return;
    m_syncingCurrent = true;
    setCurrentIndex(index);
    m_syncingCurrent = false;
}

void GridView::showTopLeft()
{
    m_topLeftOnShow = !isVisible();
    scrollToTop();
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

// Runs after the base class has scrolled to the active cell for the show.
void GridView::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    if (m_topLeftOnShow)
        showTopLeft();
}

void GridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (!m_syncingCurrent && current.isValid() && grid())
        grid()->setActiveCell(current.row(), current.column());
}

bool GridView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave)
        emit mouseLeft();
    return QTableView::viewportEvent(event);
}

// The border whose right edge is under pos, -1 when none is near.
int GridView::columnBorderAt(const QPoint &pos) const
{
    if (!grid())
        return -1;
    const int column = columnAt(pos.x());
    for (int candidate : {column, column - 1}) {
        if (candidate < 0 || isColumnHidden(candidate))
            continue;
        const int edge = columnViewportPosition(candidate) + columnWidth(candidate);
        if (std::abs(pos.x() - edge) <= ResizeGrip)
            return candidate;
    }
    return -1;
}

// Borders are dragged in the fixed rows, as on a header; a grid without fixed rows allows it anywhere.
bool GridView::inResizeZone(const QPoint &pos) const
{
    const int fixedRows = grid() ? grid()->fixedRowCount() : 0;
    if (fixedRows <= 0)
        return true;
    const int row = rowAt(pos.y());
    return row >= 0 && row < fixedRows;
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const int border = event->button() == Qt::LeftButton && inResizeZone(pos) ? columnBorderAt(pos) : -1;
    if (border >= 0) {
        m_resizingColumn = border;
        m_resizeStartX = pos.x();
        m_resizeStartWidth = columnWidth(border);
        return;
    }
    QTableView::mousePressEvent(event);
}

void GridView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_resizingColumn >= 0) {
        const int width = std::max(MinimumColumnWidth, m_resizeStartWidth + pos.x() - m_resizeStartX);
        grid()->setColumnWidth(m_resizingColumn, width);
        return;
    }
    const bool onBorder = inResizeZone(pos) && columnBorderAt(pos) >= 0;
    viewport()->setCursor(onBorder ? Qt::SplitHCursor : Qt::ArrowCursor);
    const QModelIndex index = indexAt(pos);
    emit mouseMoved(index.isValid() ? index.row() : -1, index.isValid() ? index.column() : -1, pos);
    QTableView::mouseMoveEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_resizingColumn >= 0) {
        const int column = std::exchange(m_resizingColumn, -1);
        emit columnResized(column);
        return;
    }
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !grid())
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        grid()->setActiveCell(index.row(), index.column());
        emit cellClicked(index.row(), index.column(), true);
    } else {
        emit cellClicked(grid()->activeRow(), grid()->activeColumn(), false);
    }
}
