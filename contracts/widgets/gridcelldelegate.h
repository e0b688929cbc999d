#pragma once

#include "celltextfit.h"

#include <QStyledItemDelegate>

// Draws a grid cell: its own background, text wrapped only where the cell asks
// for it, numbers and captions too wide for their column shrunk to fit, and its
// image scaled into the cell instead of a small icon.
class GridCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    void paintImage(QPainter *painter, const QRect &cell, const QImage &image) const;
    void paintFitted(QPainter *painter, const QStyleOptionViewItem &option, const CellTextFit::Layout &layout,
                     bool selected) const;
};
