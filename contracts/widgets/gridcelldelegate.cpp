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

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QImage image = index.data(Qt::DecorationRole).value<QImage>();
    const QRectF area = CellTextFit::textArea(opt.rect);
    const CellTextFit::Layout layout =
        CellTextFit::fit(opt.text, opt.font, area.width(), area.height(),
                         opt.features.testFlag(QStyleOptionViewItem::WrapText));
    if (image.isNull() && layout.natural) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        return;
    }
    // Background and selection first, then any picture, then the text on top of them.
    const QString text = opt.text;
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (!image.isNull())
        paintImage(painter, opt.rect, image);
    if (text.isEmpty())
        return;
    const bool selected = image.isNull() && opt.state.testFlag(QStyle::State_Selected);
    if (!layout.natural) {
        paintFitted(painter, opt, layout, selected);
        return;
    }
    opt.text = text;
    opt.backgroundBrush = Qt::NoBrush;
    opt.state &= ~QStyle::State_Selected;
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
}

// The lines as one block placed by the cell's alignment, each line aligned on its own.
void GridCellDelegate::paintFitted(QPainter *painter, const QStyleOptionViewItem &option,
                                   const CellTextFit::Layout &layout, bool selected) const
{
    const QFont font = CellTextFit::scaled(option.font, layout.scale);
    const qreal lineHeight = CellTextFit::lineHeight(font);
    const QRectF area = CellTextFit::fittedArea(CellTextFit::textArea(option.rect));
    const qreal block = lineHeight * layout.lines.size();
    qreal top = area.top() + (area.height() - block) / 2;
    if (option.displayAlignment & Qt::AlignTop)
        top = area.top();
    else if (option.displayAlignment & Qt::AlignBottom)
        top = area.bottom() - block;
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(option.direction, option.displayAlignment) & Qt::AlignHorizontal_Mask;
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    painter->setFont(font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    for (const QString &line : layout.lines) {
        painter->drawText(QRectF(area.left(), top, area.width(), lineHeight),
                          int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), line);
        top += lineHeight;
    }
    painter->restore();
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
