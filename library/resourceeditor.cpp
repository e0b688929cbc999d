#include "resourceeditor.h"

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
