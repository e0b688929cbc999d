#include "gridcelldelegate.h"

#include "gridmodel.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

void GridCellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The picture is drawn over the whole cell below, not as an icon beside the text.
    option->features &= ~QStyleOptionViewItem::HasDecoration;
    option->icon = QIcon();
    if (index.data(GridModel::WrapRole).toBool())
        option->features |= QStyleOptionViewItem::WrapText;
    else
        option->features &= ~QStyleOptionViewItem::WrapText;
}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QImage image = index.data(Qt::DecorationRole).value<QImage>();
    if (image.isNull()) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        return;
    }
    // Background and selection first, then the picture, then any text on top of it.
    const QString text = opt.text;
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    paintImage(painter, opt.rect, image);
    if (!text.isEmpty()) {
        opt.text = text;
        opt.backgroundBrush = Qt::NoBrush;
        opt.state &= ~QStyle::State_Selected;
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }
}

void GridCellDelegate::paintImage(QPainter *painter, const QRect &cell, const QImage &image) const
{
    const QRect area = cell.adjusted(1, 1, -1, -1);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    // Shrunk to fit, never blown up: the pictures are made at the size they are meant to show.
    QSize size = image.size();
    if (size.width() > area.width() || size.height() > area.height())
        size = size.scaled(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), size);
    target.moveCenter(area.center());
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, image);
    painter->restore();
}
