#pragma once

#include <QString>

class GridView;
class ItemEditGrids;
class QPoint;
class QWidget;

// The menu of a line's kind, "材料" or "机械", with a check mark at the kind
// the cell shows, and the line grid clicks of both item editors.
namespace KindMenu {

// The chosen text, or an empty one.
QString choose(QWidget *parent, const QPoint &below, const QString &current);
// A click on the line grid: the delete cell removes its row, the kind cell
// opens the menu below it (only on rows with a name when `needsName`).
void lineCellClicked(GridView *view, ItemEditGrids &grids, int row, int column, bool needsName);

} // namespace KindMenu
