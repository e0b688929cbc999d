#pragma once

#include "contracts/grid.h"

#include <QWidget>

struct BrandData;
class GridView;

// "选中的主材": the borderless list of one item's materials shown beside the hovered cell.
class CParticulars : public QWidget
{
    Q_OBJECT

public:
    explicit CParticulars(QWidget *parent = nullptr);

    // Fills the list and shows it at the right edge of the cell (global coordinates).
    void showFor(const BrandData &brand, const QRect &cell);
    Grid &grid() { return m_grid; }
    GridView *gridView() const { return m_view; }

signals:
    // A click in the list opens the online shop.
    void shopRequested();

private:
    Grid m_grid;
    GridView *m_view = nullptr;
};
