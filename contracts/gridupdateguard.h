#pragma once

#include "grid.h"

// Holds a grid's notifications back for a scope, so a long run of changes
// reaches the views as one notification of each kind.
class GridUpdateGuard
{
public:
    explicit GridUpdateGuard(Grid &grid) : m_grid(grid) { m_grid.beginUpdate(); }
    ~GridUpdateGuard() { m_grid.endUpdate(); }
    GridUpdateGuard(const GridUpdateGuard &) = delete;
    GridUpdateGuard &operator=(const GridUpdateGuard &) = delete;

private:
    Grid &m_grid;
};
