#include "templatejson.h"

#include "estimate/numbertext.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

std::string text(const QString &value)
{
    return nlohmann::json(value.toStdString()).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// JSON has no infinity or NaN; such a value is written as null.
std::string number(float value)
{
    return std::isfinite(value) ? NumberText::shortest(value).toStdString() : std::string("null");
}

using Member = std::pair<const char *, std::string>;

std::string object(std::initializer_list<Member> members)
{
    std::string out = "{";
    for (const Member &m : members) {
        if (out.size() > 1)
            out += ',';
        out += '"';
        out += m.first;
        out += "\":";
        out += m.second;
    }
    return out + '}';
}

template <typename List, typename Write> std::string array(const List &list, Write write)
{
    std::string out = "[";
    for (const auto &element : list) {
        if (out.size() > 1)
            out += ',';
        out += write(element);
    }
    return out + ']';
}

std::string boolean(bool value)
{
    return value ? "true" : "false";
}

} // namespace

std::string TemplateJson::document(bool accepted, bool canEdit, const QList<QuotaItem> &items)
{
    return object({{"accepted", boolean(accepted)},
                   {"canEdit", boolean(canEdit)},
                   {"items", array(items, &TemplateJson::item)}});
}

std::string TemplateJson::item(const QuotaItem &i)
{
    return object({{"categoryName", text(i.categoryName)},
                   {"categoryKind", text(i.categoryKind)},
                   {"categoryId", text(i.categoryId)},
                   {"itemId", text(i.itemId)},
                   {"itemName", text(i.itemName)},
                   {"itemDesc", text(i.itemDesc)},
                   {"ruleIndexByKind", array(i.ruleIndexByKind, number)},
                   {"brand", brand(i.brand)},
                   {"rules", array(i.rules, &TemplateJson::rule)},
                   {"currentRule", rule(i.currentRule)}});
}

std::string TemplateJson::brand(const BrandData &b)
{
    return object({{"unit", text(b.unit)},
                   {"num", number(b.num)},
                   {"loss", number(b.loss)},
                   {"material", number(b.material)},
                   {"materialprofit", number(b.materialprofit)},
                   {"machine", number(b.machine)},
                   {"machineprofit", number(b.machineprofit)},
                   {"laborcost", number(b.laborcost)},
                   {"laborprofit", number(b.laborprofit)},
                   {"management", number(b.management)},
                   {"managementprofit", number(b.managementprofit)},
                   {"materials", array(b.materials, &TemplateJson::line)},
                   {"machines", array(b.machines, &TemplateJson::line)}});
}

std::string TemplateJson::line(const MtLine &l)
{
    return object({{"kind", text(l.kind)},
                   {"id", text(l.id)},
                   {"name", text(l.name)},
                   {"classify", text(l.classify)},
                   {"code", text(l.code)},
                   {"unit", text(l.unit)},
                   {"price", number(l.price)},
                   {"num", number(l.num)},
                   {"desc", text(l.desc)}});
}

std::string TemplateJson::rule(const AmountRule &r)
{
    return object({{"serial", number(r.serial)},
                   {"bDefault", number(r.bDefault)},
                   {"RoomName", text(r.RoomName)},
                   {"Area", number(r.Area)},
                   {"LaterArea", number(r.LaterArea)},
                   {"WindowArea", number(r.WindowArea)},
                   {"DoorArea", number(r.DoorArea)},
                   {"perimeter", number(r.perimeter)},
                   {"WindowPerimeter", number(r.WindowPerimeter)},
                   {"DoorPerimeter", number(r.DoorPerimeter)},
                   {"length", number(r.length)},
                   {"width", number(r.width)},
                   {"DoorWidth", number(r.DoorWidth)},
                   {"DoorCount", number(r.DoorCount)},
                   {"height", number(r.height)},
                   {"constant", number(r.constant)}});
}
