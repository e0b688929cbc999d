#include "finitenumbers.h"

#include <cmath>

bool FiniteNumbers::holds(float value)
{
    return std::isfinite(value);
}

bool FiniteNumbers::holdsRate(float rate)
{
    return std::isfinite(rate) && std::isfinite(rate * 100.0f);
}

int FiniteNumbers::clearValue(float &value)
{
    if (holds(value))
        return 0;
    value = 0.0f;
    return 1;
}

int FiniteNumbers::clearRate(float &rate)
{
    if (holdsRate(rate))
        return 0;
    rate = 0.0f;
    return 1;
}

int FiniteNumbers::clear(MtLine &line)
{
    return clearValue(line.price) + clearValue(line.num);
}

int FiniteNumbers::clear(BrandData &b)
{
    int n = clearValue(b.num) + clearValue(b.material) + clearValue(b.machine) + clearValue(b.laborcost) +
            clearValue(b.management);
    for (float *rate :
         {&b.loss, &b.tax, &b.materialprofit, &b.machineprofit, &b.laborprofit, &b.managementprofit})
        n += clearRate(*rate);
    // Lists read alike are shared between items: only one that needs clearing gets its own copy.
    for (QList<MtLine> *lines : {&b.materials, &b.machines}) {
        for (qsizetype i = 0; i < lines->size(); ++i) {
            const MtLine &line = lines->at(i);
            if (!holds(line.price) || !holds(line.num))
                n += clear((*lines)[i]);
        }
    }
    return n;
}

int FiniteNumbers::clear(AmountRule &r)
{
    int n = 0;
    for (float *v : {&r.serial, &r.bDefault, &r.Area, &r.LaterArea, &r.WindowArea, &r.DoorArea, &r.perimeter,
                     &r.WindowPerimeter, &r.DoorPerimeter, &r.length, &r.width, &r.DoorWidth, &r.DoorCount,
                     &r.height, &r.constant})
        n += clearValue(*v);
    return n;
}

int FiniteNumbers::clear(ConstructItem &item)
{
    // The current rule is a copy of one of the rules: counted there.
    clear(item.currentRule);
    int n = clear(item.brand);
    for (AmountRule &rule : item.rules)
        n += clear(rule);
    return n;
}

int FiniteNumbers::clear(RoomData &room)
{
    int n = clearValue(room.long_) + clearValue(room.width) + clearValue(room.height);
    for (QList<Opening> *openings : {&room.doors, &room.windows}) {
        for (Opening &o : *openings)
            n += clearValue(o.long_) + clearValue(o.width);
    }
    return n;
}

QString FiniteNumbers::notice(int count)
{
    if (count == 0)
        return QString();
    return QStringLiteral("文件中有 %1 个数值超出范围，已按 0 读入。").arg(count);
}

QString FiniteNumbers::typedRefusal(const QString &place, const QString &typed)
{
    return QStringLiteral("%1：数值“%2”超出范围").arg(place, typed.left(40));
}

QString FiniteNumbers::totalRefusal(const QString &place, const QString &typed)
{
    return QStringLiteral("%1：数值“%2”使金额或合计超出范围").arg(place, typed.left(40));
}
