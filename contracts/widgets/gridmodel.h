#pragma once

#include "contracts/grid.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPointer>

// The Qt table model of a grid: it keeps nothing of its own but the decoded
// images, reads every value from the grid and follows the grid's change signals.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        WrapRole = Qt::UserRole + 1, // bool: the cell's text is broken into lines
        ImageKeyRole,                // QString: the key of the cell's image, empty when none
    };

    explicit GridModel(Grid *grid, QObject *parent = nullptr);

    Grid *grid() const { return m_grid; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An edit of an unlocked cell writes its text into the grid and is reported as cellEdited;
    // when edits are requests, it is only reported as editRequested and the grid is left to
    // whoever decides on it.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    void setEditsAreRequests(bool requests) { m_editsAreRequests = requests; }
    // The text the cell of the last reported edit held before it, for a window that refuses the edit.
    const QString &textBeforeEdit() const { return m_textBeforeEdit; }

    // The decoded picture of an image-list entry; null when the key is unknown or undecodable.
    QImage image(const QString &key) const;

signals:
    // The user finished typing into a cell (the grid's edit event).
    void cellEdited(int row, int column);
    // The user finished typing text into a cell whose edits are requests; the grid is unchanged.
    void editRequested(int row, int column, const QString &text);

private:
    void connectGrid();
    void onCellsChanged(int top, int left, int bottom, int right);
    void onImagesChanged();
    QFont fontOf(int row, int column) const;

    QPointer<Grid> m_grid;
    QString m_textBeforeEdit;
    bool m_editsAreRequests = false;
    mutable QHash<QString, QImage> m_images;
    // Building a font with its fallbacks is dear and a table uses only a few.
    mutable QHash<QString, QFont> m_fonts;
};
