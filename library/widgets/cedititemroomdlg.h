#pragma once

#include "library/itemeditgrids.h"

#include "contracts/grid.h"
#include "estimate/estimaterecords.h"

#include <QDialog>

class GridView;
class QLabel;
class QPushButton;

// Edits one construction item of the estimate: name, unit, description,
// labour and management prices and its lines. "保存" closes with the item as
// edited; the budget table then prices its row again.
class CEditItemRoomDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Width = 789;
    static constexpr int Height = 515;

    CEditItemRoomDlg(const ConstructItem &item, QWidget *parent);
    ~CEditItemRoomDlg() override;

    // The estimate the item stands in at row `index`: "保存" refuses an edit
    // that would take its amounts or sums beyond the float range.
    void setEstimateRows(const QList<EstimateRow> &rows, int index);

    // The item with the edit read back; valid once the dialog was accepted.
    const ConstructItem &savedItem() const { return m_saved; }

    GridView *itemView() const { return m_itemView; }
    GridView *lineView() const { return m_lineView; }
    Grid &itemGrid() { return m_itemGrid; }
    Grid &lineGrid() { return m_lineGrid; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *cancelButton() const { return m_cancel; }

    void lineCellClicked(int row, int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void onSave();
    void checkCellEdit(GridView *view, int row, int column);

    ConstructItem m_item;
    ConstructItem m_saved;
    QList<EstimateRow> m_rows;
    int m_index = -1;
    Grid m_itemGrid;
    Grid m_lineGrid;
    ItemEditGrids m_grids;
    GridView *m_itemView = nullptr;
    GridView *m_lineView = nullptr;
    QLabel *m_info = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
};
