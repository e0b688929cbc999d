#pragma once

#include "contracts/gridrange.h"

#include <QTableView>
#include <vector>

class Grid;
class GridModel;

// The table on screen for a grid: merged ranges as spans, the grid's row heights
// and column widths, images in cells, typing into unlocked cells, and the grid's
// events as signals. Headers are hidden; the fixed rows are the first rows and stay
// at the top of the viewport while the rows below them scroll.
class GridView : public QTableView
{
    Q_OBJECT

public:
    explicit GridView(QWidget *parent = nullptr);
    ~GridView() override;

    // The view follows the grid until another one is set; the grid must outlive the view or be unset.
    void setGrid(Grid *grid);
    Grid *grid() const;
    GridModel *gridModel() const { return m_model; }
    // Shows the first rows and columns without moving the active cell. A hidden view does it
    // when next shown: a hidden view would otherwise scroll to the active cell on showing.
    void showTopLeft();

    // The band of frozen fixed rows answers for the cells drawn in it.
    QModelIndex indexAt(const QPoint &pos) const override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    // Height of the frozen band at the top of the viewport; 0 while the fixed rows are in their own place.
    int frozenBandHeight() const;
    // Typed texts are handed on as editRequested instead of being written into the grid: the logic
    // behind the view decides what the cell shows.
    void setEditsAreRequests(bool requests);

signals:
    // Event 5: the user finished editing a cell and its text is in the grid.
    void cellEdited(int row, int column);
    // The same for a view whose edits are requests: the typed text, not yet in the grid.
    void editRequested(int row, int column, const QString &text);
    // Event 7: a click; the active cell is already set. insideCell is false when the
    // click hit no cell, row and column then name the unchanged active cell.
    void cellClicked(int row, int column, bool insideCell);
    // Event 25: the mouse moved; row and column are -1 over no cell. pos is in viewport coordinates.
    void mouseMoved(int row, int column, const QPoint &pos);
    // Event 28: the mouse left the grid.
    void mouseLeft();
    // Event 29: the user dragged a column's border; its new width is in the grid.
    void columnResized(int column);

protected:
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;

protected slots:
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    void connectGrid();
    void rebuildAll();
    void refreshSpans(const GridRange &area);
    void shiftSpansForInsertedRows(int first, int last);
    void shiftSpansForRemovedRows(int first, int last);
    void shiftSpansForColumns(int first, int last, bool inserted);
    void applyRowHeights(int first, int last);
    void applyColumnWidths(int first, int last);
    void showActiveCell(int row, int column);
    int columnBorderAt(const QPoint &pos) const;
    bool inResizeZone(const QPoint &pos) const;
    int fixedRowsHeight() const;
    void paintFrozenRows(QPainter &painter, int bandHeight);
    void paintFrozenCell(QPainter &painter, const QModelIndex &index, const QRect &rect);

    GridModel *m_model = nullptr;
    bool m_editsAreRequests = false;
    // The spans set on the view, so that a change can take back exactly the ones it touches.
    std::vector<GridRange> m_spans;
    int m_resizingColumn = -1;
    int m_resizeStartX = 0;
    int m_resizeStartWidth = 0;
    bool m_syncingCurrent = false;
    bool m_topLeftOnShow = false;
    bool m_removingRows = false;
};
