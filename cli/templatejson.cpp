#include "templatejson.h"

#include "jsonwriter.h"

std::string TemplateJson::document(bool accepted, bool canEdit, const QList<QuotaItem> &items)
{
    return JsonWriter::object({{"accepted", JsonWriter::boolean(accepted)},
                               {"canEdit", JsonWriter::boolean(canEdit)},
                               {"items", JsonWriter::array(items, &TemplateJson::item)}});
}

std::string TemplateJson::item(const QuotaItem &i)
{
    return JsonWriter::object({{"categoryName", JsonWriter::text(i.categoryName)},
                               {"categoryKind", JsonWriter::text(i.categoryKind)},
                               {"categoryId", JsonWriter::text(i.categoryId)},
                               {"itemId", JsonWriter::text(i.itemId)},
                               {"itemName", JsonWriter::text(i.itemName)},
                               {"itemDesc", JsonWriter::text(i.itemDesc)},
                               {"ruleIndexByKind", JsonWriter::array(i.ruleIndexByKind, &JsonWriter::number)},
                               {"brand", brand(i.brand)},
                               {"rules", JsonWriter::array(i.rules, &TemplateJson::rule)},
                               {"currentRule", rule(i.currentRule)}});
}

std::string TemplateJson::brand(const BrandData &b)
{
    return JsonWriter::object({{"unit", JsonWriter::text(b.unit)},
                               {"num", JsonWriter::number(b.num)},
                               {"loss", JsonWriter::number(b.loss)},
                               {"material", JsonWriter::number(b.material)},
                               {"materialprofit", JsonWriter::number(b.materialprofit)},
                               {"machine", JsonWriter::number(b.machine)},
                               {"machineprofit", JsonWriter::number(b.machineprofit)},
                               {"laborcost", JsonWriter::number(b.laborcost)},
                               {"laborprofit", JsonWriter::number(b.laborprofit)},
                               {"management", JsonWriter::number(b.management)},
                               {"managementprofit", JsonWriter::number(b.managementprofit)},
                               {"materials", JsonWriter::array(b.materials, &TemplateJson::line)},
                               {"machines", JsonWriter::array(b.machines, &TemplateJson::line)}});
}

std::string TemplateJson::line(const MtLine &l)
{
    return JsonWriter::object({{"kind", JsonWriter::text(l.kind)},
                               {"id", JsonWriter::text(l.id)},
                               {"name", JsonWriter::text(l.name)},
                               {"classify", JsonWriter::text(l.classify)},
                               {"code", JsonWriter::text(l.code)},
                               {"unit", JsonWriter::text(l.unit)},
                               {"price", JsonWriter::number(l.price)},
                               {"num", JsonWriter::number(l.num)},
                               {"desc", JsonWriter::text(l.desc)}});
}

std::string TemplateJson::rule(const AmountRule &r)
{
    return JsonWriter::object({{"serial", JsonWriter::number(r.serial)},
                               {"bDefault", JsonWriter::number(r.bDefault)},
                               {"RoomName", JsonWriter::text(r.RoomName)},
                               {"Area", JsonWriter::number(r.Area)},
                               {"LaterArea", JsonWriter::number(r.LaterArea)},
                               {"WindowArea", JsonWriter::number(r.WindowArea)},
                               {"DoorArea", JsonWriter::number(r.DoorArea)},
                               {"perimeter", JsonWriter::number(r.perimeter)},
                               {"WindowPerimeter", JsonWriter::number(r.WindowPerimeter)},
                               {"DoorPerimeter", JsonWriter::number(r.DoorPerimeter)},
                               {"length", JsonWriter::number(r.length)},
                               {"width", JsonWriter::number(r.width)},
                               {"DoorWidth", JsonWriter::number(r.DoorWidth)},
                               {"DoorCount", JsonWriter::number(r.DoorCount)},
                               {"height", JsonWriter::number(r.height)},
                               {"constant", JsonWriter::number(r.constant)}});
}
