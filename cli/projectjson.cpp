#include "projectjson.h"

#include "jsonwriter.h"
#include "templatejson.h"

using J = JsonWriter;

std::string ProjectJson::document(const ProjectInfo &i, const RateSettings &rates,
                                  const QList<EstimateRow> &rows, const ProjectTotals &totals)
{
    return J::object({{"info", info(i)},
                      {"rates", J::object({{"profit", J::text(rates.mainProfit)},
                                           {"loss", J::text(rates.loss)},
                                           {"tax", J::text(rates.tax)}})},
                      {"rows", J::array(rows, &ProjectJson::row)},
                      {"totals", J::object({{"projectTotal", J::number(totals.projectTotal)},
                                            {"projectMachine", J::number(totals.projectMachine)},
                                            {"projectLabor", J::number(totals.projectLabor)},
                                            {"projectManagement", J::number(totals.projectManagement)}})}});
}

std::string ProjectJson::info(const ProjectInfo &i)
{
    return J::object({{"name", J::text(i.name)},
                      {"address", J::text(i.address)},
                      {"customer", J::text(i.customer)},
                      {"model", J::text(i.model)},
                      {"area", J::text(i.area)},
                      {"number", J::text(i.number)},
                      {"writer", J::text(i.writer)},
                      {"contactphone", J::text(i.contactphone)},
                      {"Date", J::text(i.Date)}});
}

std::string ProjectJson::row(const EstimateRow &r)
{
    if (r.isRoom())
        return room(r);
    if (r.isConstruct())
        return construct(r);
    return J::object({{"kind", J::text(r.kind)}});
}

std::string ProjectJson::room(const EstimateRow &r)
{
    const RoomData &room = r.room;
    return J::object({{"kind", J::text(r.kind)},
                      {"name", J::text(room.name)},
                      {"long", J::number(room.long_)},
                      {"width", J::number(room.width)},
                      {"height", J::number(room.height)},
                      {"checkType", std::to_string(room.checkType)},
                      {"doors", J::array(room.doors, &ProjectJson::opening)},
                      {"windows", J::array(room.windows, &ProjectJson::opening)},
                      {"costs", costs(r.costs)}});
}

std::string ProjectJson::construct(const EstimateRow &r)
{
    const ConstructItem &item = r.item;
    return J::object({{"kind", J::text(r.kind)},
                      {"categoryKind", J::text(item.categoryKind)},
                      {"itemName", J::text(item.itemName)},
                      {"itemDesc", J::text(item.itemDesc)},
                      {"brand", brand(item.brand)},
                      {"costs", costs(r.costs)}});
}

std::string ProjectJson::opening(const Opening &o)
{
    return J::object(
        {{"name", J::text(o.name)}, {"long", J::number(o.long_)}, {"width", J::number(o.width)}});
}

std::string ProjectJson::brand(const BrandData &b)
{
    return J::object({{"unit", J::text(b.unit)},
                      {"num", J::number(b.num)},
                      {"loss", J::number(b.loss)},
                      {"tax", J::number(b.tax)},
                      {"material", J::number(b.material)},
                      {"materialprofit", J::number(b.materialprofit)},
                      {"machine", J::number(b.machine)},
                      {"machineprofit", J::number(b.machineprofit)},
                      {"laborcost", J::number(b.laborcost)},
                      {"laborprofit", J::number(b.laborprofit)},
                      {"management", J::number(b.management)},
                      {"managementprofit", J::number(b.managementprofit)},
                      {"materials", J::array(b.materials, &TemplateJson::line)},
                      {"machines", J::array(b.machines, &TemplateJson::line)}});
}

std::string ProjectJson::costs(const RowCosts &c)
{
    return J::object({{"labor", J::number(c.laborSubtotal)},
                      {"material", J::number(c.materialSubtotal)},
                      {"machine", J::number(c.machineSubtotal)},
                      {"management", J::number(c.managementSubtotal)},
                      {"total", J::number(c.total)}});
}
