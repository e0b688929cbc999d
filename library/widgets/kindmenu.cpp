#include "kindmenu.h"

#include "contracts/grid.h"
#include "contracts/widgets/gridview.h"
#include "library/itemeditgrids.h"
#include "library/lineedit.h"

#include <QMenu>

namespace KindMenu {

QString choose(QWidget *parent, const QPoint &below, const QString &current)
{
    QMenu menu(parent);
    menu.setObjectName(QStringLiteral("accuracyMenu"));
    for (const QString &kind : {LineEdit::materialClassify(), LineEdit::machineClassify()}) {
        QAction *action = menu.addAction(kind);
        action->setCheckable(true);
        action->setChecked(kind == current);
    }
    const QAction *chosen = menu.exec(below);
    return chosen ? chosen->text() : QString();
}

void lineCellClicked(GridView *view, ItemEditGrids &grids, int row, int column, bool needsName)
{
    if (column == ItemEditGrids::Delete) {
        grids.removeLineRow(row);
        return;
    }
    const bool applies = needsName ? grids.kindMenuApplies(row) : grids.isLineRow(row);
    if (column != ItemEditGrids::Classify || !applies)
        return;
    const QRect cell = view->visualRect(view->model()->index(row, column));
    const QString kind =
        choose(view, view->viewport()->mapToGlobal(cell.bottomLeft()), view->grid()->text(row, column));
    if (!kind.isEmpty())
        grids.setKind(row, kind);
}

} // namespace KindMenu
