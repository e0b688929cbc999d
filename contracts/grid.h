#pragma once

#include "gridchangeset.h"
#include "gridcolumn.h"
#include "gridfont.h"
#include "gridimage.h"
#include "gridmergelinks.h"
#include "gridpagesettings.h"
#include "gridrange.h"
#include "gridrowstore.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class GridTextMeasure;

// The cell store behind every table: the logic writes it, views, the printer and
// the exporters read it and follow its change signals.
//
// Out of range: getters answer the default value (empty text, white, alignment 6,
// no merge, height and width 0), setters and structural calls outside the grid do
// nothing and send nothing. Range operations are clipped to the grid.
//
// Each cell keeps its own contents whether or not it lies in a merged range; a view
// shows the anchor (top-left) cell over the whole range.
class Grid : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultRowHeight = 25;
    static constexpr int DefaultColumnWidth = 64;
    // Requests beyond these are refused rather than exhausting memory.
    static constexpr int MaxRows = 10'000'000;
    static constexpr int MaxColumns = 16'384;

    explicit Grid(QObject *parent = nullptr);
    Grid(int rows, int columns, QObject *parent = nullptr);
    ~Grid() override;

    // Shape. Inserted rows and columns are empty; a merged range that spans the
    // insertion point grows, removing rows or columns of a range shrinks it, and a
    // range shrunk to one cell is no longer merged.
    int rowCount() const { return m_rows.size(); }
    int columnCount() const { return int(m_columns.size()); }
    bool contains(int row, int column) const;
    void setRowCount(int rows);
    void setColumnCount(int columns);
    void insertRows(int before, int count = 1);
    void appendRow() { insertRows(rowCount(), 1); }
    void removeRows(int first, int count = 1);
    void insertColumns(int before, int count = 1);
    void removeColumns(int first, int count = 1);

    int fixedRowCount() const { return m_fixedRows; }
    void setFixedRowCount(int rows);
    int fixedColumnCount() const { return m_fixedColumns; }
    void setFixedColumnCount(int columns);

    // Sizes in pixels; 0 hides a row or column.
    int defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height);
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    GridColumn column(int column) const;
    void setColumnNumberFormat(int column, int kind, int decimals);

    // The font of cells that name none.
    GridFont defaultFont() const { return m_defaultFont; }
    void setDefaultFont(const GridFont &font);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString &text);
    int alignment(int row, int column) const;
    void setAlignment(int row, int column, int code);
    quint32 background(int row, int column) const;
    void setBackground(int row, int column, quint32 colour);
    bool wrap(int row, int column) const;
    void setWrap(int row, int column, bool on);
    bool bold(int row, int column) const;
    void setBold(int row, int column, bool on);
    bool locked(int row, int column) const;
    void setLocked(int row, int column, bool on);
    QString imageKey(int row, int column) const;
    void setImage(int row, int column, const QString &key);
    // Empty and 0 mean the default font's name and size.
    QString fontName(int row, int column) const;
    void setFontName(int row, int column, const QString &name);
    int fontSize(int row, int column) const;
    void setFontSize(int row, int column, int size);
    // The font the cell is drawn with, defaults filled in.
    GridFont font(int row, int column) const;

    void setRangeAlignment(const GridRange &range, int code);
    void setRangeBackground(const GridRange &range, quint32 colour);
    void setRangeWrap(const GridRange &range, bool on);
    void setRangeBold(const GridRange &range, bool on);
    void setRangeLocked(const GridRange &range, bool on);
    void setRangeFontName(const GridRange &range, const QString &name);
    void setRangeFontSize(const GridRange &range, int size);
    // Cells back to their defaults and merges touching the range dissolved; sizes stay.
    void clearRange(const GridRange &range);
    void clear();

    // Merging dissolves every merged range the new one overlaps. A single cell
    // stays unmerged. False when the range does not lie inside the grid.
    bool merge(const GridRange &range);
    // Dissolves every merged range with a cell inside `area`.
    void unmerge(const GridRange &area);
    // The merged range holding the cell, the cell alone when unmerged, invalid outside the grid.
    GridRange mergedRangeAt(int row, int column) const;
    bool isMerged(int row, int column) const;
    // Scans the cells: for exporters and views that rebuild, not for per-cell lookups.
    QList<GridRange> mergedRanges() const;
    QList<GridRange> mergedRanges(const GridRange &area) const;

    // -1 when there is no active cell. It keeps its position when rows come or go,
    // and is pulled back inside the grid when it shrinks.
    int activeRow() const { return m_activeRow; }
    int activeColumn() const { return m_activeColumn; }
    void setActiveCell(int row, int column);

    // In grid coordinates (the top-left of cell 0,0 is the origin); a view adds its scroll offset.
    // A merged cell answers the rectangle of its whole range.
    QRect cellRect(int row, int column) const;
    // Sets the row's height to the tallest text of its cells (ranges more than one row high do not count).
    void fitRowHeight(int row, const GridTextMeasure &measure);

    void addImage(const QString &key, const GridImage &image);
    // Reads the file; false, and the list unchanged, when it cannot be read.
    bool addImageFile(const QString &key, const QString &path);
    bool hasImage(const QString &key) const { return m_images.contains(key); }
    GridImage image(const QString &key) const { return m_images.value(key); }
    QStringList imageKeys() const { return m_images.keys(); }

    const GridPageSettings &pageSettings() const { return m_pageSettings; }
    void setPageSettings(const GridPageSettings &settings) { m_pageSettings = settings; }

    // Nested; while held, changes are gathered and the last endUpdate sends them:
    // reset() when rows or columns came or went, else one signal of each kind.
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return m_updateDepth > 0; }

signals:
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted(int first, int last);
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved(int first, int last);
    void columnsAboutToBeInserted(int first, int last);
    void columnsInserted(int first, int last);
    void columnsAboutToBeRemoved(int first, int last);
    void columnsRemoved(int first, int last);
    // Sent before the first change of shape in an update batch, and reset() at its end.
    void aboutToReset();
    void reset();
    void cellsChanged(int top, int left, int bottom, int right);
    // Merged ranges inside this area may have changed; read them with mergedRanges(area).
    void mergesChanged(int top, int left, int bottom, int right);
    void rowHeightsChanged(int first, int last);
    // Width or number format.
    void columnsChanged(int first, int last);
    void fixedCountsChanged();
    void activeCellChanged(int row, int column);
    void imagesChanged();

private:
    const GridCell *cellAt(int row, int column) const;
    GridRange clipped(const GridRange &range) const;
    GridRange whole() const { return {0, 0, rowCount() - 1, columnCount() - 1}; }
    template <class Change> void changeCell(int row, int column, Change change);
    template <class Change> void changeRange(const GridRange &range, Change change);
    quint16 internName(QStringList &names, const QString &name);

    GridRange applyRowsRemoved(int first, int count);
    GridRange reshapeColumns(int columns, int changeAt, int count, bool inserting);
    void clampActiveCell();

    bool beginShapeChange();
    void notifyCells(const GridRange &area);
    void notifyMerges(const GridRange &area);
    void notifyRowHeights(int first, int last);
    void notifyColumns(int first, int last);
    void notifyFixedCounts();
    void notifyActiveCell();
    void notifyImages();
    void sendGathered();

    GridRowStore m_rows;
    GridMergeLinks m_merges{m_rows};
    std::vector<GridColumn> m_columns;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    int m_defaultRowHeight = DefaultRowHeight;
    GridFont m_defaultFont;
    QStringList m_fontNames{QString()};
    QStringList m_imageKeys{QString()};
    int m_activeRow = -1;
    int m_activeColumn = -1;
    QHash<QString, GridImage> m_images;
    GridPageSettings m_pageSettings;
    int m_updateDepth = 0;
    GridChangeSet m_gathered;
};
