#include "gridview.h"

#include "contracts/grid.h"
#include "contracts/gridmergelinks.h"
#include "gridcelldelegate.h"
#include "gridmodel.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <algorithm>

namespace {

constexpr int ResizeGrip = 3; // pixels either side of a column border that start a drag
constexpr int MinimumColumnWidth = 2;
constexpr int ManyRows = 64; // rows resized in one go beyond which the view is painted once after

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
    m_model->setEditsAreRequests(m_editsAreRequests);
    connect(m_model, &GridModel::cellEdited, this, &GridView::cellEdited);
    connect(m_model, &GridModel::editRequested, this, &GridView::editRequested);
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
    connect(g, &Grid::fixedCountsChanged, viewport(), qOverload<>(&QWidget::update));
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
    // A header that may paint works out where each resized section lies on screen, which is a
    // pass over all the rows above it; many rows are resized unseen and the view painted once after.
    const bool many = last - first >= ManyRows;
    const bool painting = updatesEnabled();
    if (many && painting)
        setUpdatesEnabled(false);
    for (int row = first; row <= last; ++row) {
        const int height = g->rowHeight(row);
        const bool hidden = height <= 0;
        if (header->isSectionHidden(row) != hidden)
            setRowHidden(row, hidden);
        if (!hidden && (height != standard || header->sectionSize(row) != height))
            header->resizeSection(row, height);
    }
    if (many && painting)
        setUpdatesEnabled(true);
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

void GridView::setEditsAreRequests(bool requests)
{
    m_editsAreRequests = requests;
    if (m_model)
        m_model->setEditsAreRequests(requests);
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

// A removed active row passes the active cell to the row below, which then takes the removed
// row's place on screen: scrolling to where that row stood before would shift the table.
void GridView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    m_removingRows = true;
    QTableView::rowsAboutToBeRemoved(parent, start, end);
    m_removingRows = false;
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
    const int band = frozenBandHeight();
    const int row = band > 0 && pos.y() < band ? rowAt(pos.y() - verticalOffset()) : rowAt(pos.y());
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

// ---- the frozen fixed rows ----

int GridView::fixedRowsHeight() const
{
    const int fixedRows = grid() && m_model ? std::min(grid()->fixedRowCount(), m_model->rowCount()) : 0;
    int height = 0;
    for (int row = 0; row < fixedRows; ++row) {
        if (!isRowHidden(row))
            height += rowHeight(row);
    }
    return height;
}

// Rows taller than half the viewport would leave too little room to scroll under them; they scroll along.
int GridView::frozenBandHeight() const
{
    if (verticalOffset() <= 0)
        return 0;
    const int height = fixedRowsHeight();
    return height <= viewport()->height() / 2 ? height : 0;
}

QModelIndex GridView::indexAt(const QPoint &pos) const
{
    const int band = frozenBandHeight();
    if (band > 0 && pos.y() >= 0 && pos.y() < band)
        return QTableView::indexAt(QPoint(pos.x(), pos.y() - verticalOffset()));
    return QTableView::indexAt(pos);
}

// Fixed cells are where the band draws them, so that updates and editors land there.
QRect GridView::visualRect(const QModelIndex &index) const
{
    const QRect rect = QTableView::visualRect(index);
    const int band = frozenBandHeight();
    if (band > 0 && index.isValid() && index.row() < grid()->fixedRowCount())
        return rect.translated(0, verticalOffset());
    return rect;
}

QRegion GridView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region = QTableView::visualRegionForSelection(selection);
    const int band = frozenBandHeight();
    const int fixedRows = grid() ? grid()->fixedRowCount() : 0;
    const bool inBand =
        std::any_of(selection.begin(), selection.end(),
                    [&](const QItemSelectionRange &range) { return range.top() < fixedRows; });
    if (band > 0 && inBand)
        region += QRect(0, 0, viewport()->width(), band);
    return region;
}

// The active cell never ends under the band; a fixed cell is always in sight, so only the columns follow it.
void GridView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (m_removingRows)
        return;
    const int fixedRows = grid() ? grid()->fixedRowCount() : 0;
    const int fixedHeight = fixedRowsHeight();
    if (!index.isValid() || fixedHeight <= 0 || fixedHeight > viewport()->height() / 2) {
        QTableView::scrollTo(index, hint);
        return;
    }
    QScrollBar *bar = verticalScrollBar();
    if (index.row() < fixedRows) {
        const int value = bar->value();
        QTableView::scrollTo(index, hint);
        bar->setValue(value);
        return;
    }
    QTableView::scrollTo(index, hint);
    const int top = QTableView::visualRect(index).top();
    if (bar->value() > 0 && top < fixedHeight)
        bar->setValue(bar->value() - (fixedHeight - top));
}

// The blitted pixels of the band are stale: the band and what scrolled out from under it are drawn again.
void GridView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    const int fixedHeight = fixedRowsHeight();
    if (dy == 0 || fixedHeight <= 0)
        return;
    viewport()->update(QRect(0, 0, viewport()->width(), fixedHeight + std::max(dy, 0)));
    updateEditorGeometries(); // an editor in the band stays there instead of scrolling along
}

// Rows under the band are not drawn at all: the band covers them.
void GridView::paintEvent(QPaintEvent *event)
{
    const int band = frozenBandHeight();
    const QRect bandRect(0, 0, viewport()->width(), band);
    if (band <= 0 || !event->region().intersects(bandRect)) {
        QTableView::paintEvent(event);
        return;
    }
    const QRegion below = event->region().subtracted(bandRect);
    if (!below.isEmpty()) {
        QPaintEvent rest(below);
        QTableView::paintEvent(&rest);
    }
    QPainter painter(viewport());
    paintFrozenRows(painter, band);
}

// The fixed rows drawn over the top of the viewport as the table draws them in their own place.
void GridView::paintFrozenRows(QPainter &painter, int bandHeight)
{
    const QRect band(0, 0, viewport()->width(), bandHeight);
    painter.setClipRect(band);
    painter.fillRect(band, viewport()->palette().brush(viewport()->backgroundRole()));
    const int firstColumn = std::max(0, columnAt(0));
    const int lastColumn = columnAt(band.right()) >= 0 ? columnAt(band.right()) : m_model->columnCount() - 1;
    QSet<QPair<int, int>> painted;
    for (int row = 0; row < std::min(grid()->fixedRowCount(), m_model->rowCount()); ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (isRowHidden(row) || isColumnHidden(column))
                continue;
            const GridRange range = grid()->mergedRangeAt(row, column);
            if (!range.isValid() || painted.contains({range.top, range.left}))
                continue;
            painted.insert({range.top, range.left});
            const QModelIndex index = m_model->index(range.top, range.left);
            paintFrozenCell(painter, index, QTableView::visualRect(index).translated(0, verticalOffset()));
        }
    }
}

void GridView::paintFrozenCell(QPainter &painter, const QModelIndex &index, const QRect &rect)
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = rect;
    if (selectionModel() && selectionModel()->isSelected(index))
        option.state |= QStyle::State_Selected;
    if (index == currentIndex() && (hasFocus() || viewport()->hasFocus()))
        option.state |= QStyle::State_HasFocus;
    if (!(m_model->flags(index) & Qt::ItemIsEnabled))
        option.state &= ~QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(option.state & QStyle::State_Enabled ? QPalette::Normal
                                                                             : QPalette::Disabled);
    style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
    itemDelegateForIndex(index)->paint(&painter, option, index);
    if (!showGrid())
        return;
    const QStyleOptionViewItem gridOption = option;
    const auto gridHint = style()->styleHint(QStyle::SH_Table_GridLineColor, &gridOption, this);
    painter.save();
    painter.setPen(QPen(QColor::fromRgba(static_cast<QRgb>(gridHint)), 0, gridStyle()));
    painter.drawLine(rect.right() + 1, rect.top(), rect.right() + 1, rect.bottom() + 1);
    painter.drawLine(rect.left(), rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);
    painter.restore();
}
