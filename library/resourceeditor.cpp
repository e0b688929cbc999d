#include "resourceeditor.h"

#include "estimate/projectbound.h"

ItemEdit ResourceEditor::show(const ConstructItem &item)
{
    return ItemEdit::ofItem(item, ItemEdit::Prices::Plain);
}

ConstructItem ResourceEditor::save(const ConstructItem &item, const ItemEdit &edit)
{
    ConstructItem saved = item;
    saved.itemName = edit.name.trimmed();
    saved.brand.unit = edit.unit;
    saved.itemDesc = edit.desc;
    saved.brand.laborcost = edit.labour.number();
    saved.brand.management = edit.management.number();
    const ItemEdit::LineSums sums = edit.readLines(saved);
    saved.brand.material = sums.material;
    saved.brand.machine = sums.machine;
    return saved;
}

QString ResourceEditor::refusal(const ItemEdit &edit, const ConstructItem &saved,
                                const QList<EstimateRow> &rows, int index)
{
    QString why = edit.refusal();
    const bool fits =
        index < 0 ? ProjectBound().add(saved.brand) : ProjectBound::fitsWith(rows, index, saved.brand);
    if (why.isEmpty() && !fits)
        why = QStringLiteral("价格或用量过大，本项目的金额或合计将超出范围");
    return why;
}
