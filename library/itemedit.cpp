#include "itemedit.h"

#include "estimate/filetextrule.h"
#include "estimate/finitenumbers.h"
#include "estimate/projectbound.h"

#include <algorithm>
#include <cmath>

ItemEdit ItemEdit::ofItem(const ConstructItem &item, Prices prices)
{
    const BrandData &b = item.brand;
    const bool profit = prices == Prices::WithProfit;
    ItemEdit edit;
    edit.name = item.itemName;
    edit.unit = b.unit;
    edit.desc = item.itemDesc;
    edit.material = NumberCell::shown(profit ? b.material * (1.0f + b.materialprofit) : b.material);
    edit.machine = NumberCell::shown(profit ? b.machine * (1.0f + b.machineprofit) : b.machine);
    edit.labour = NumberCell::shown(profit ? b.laborcost * (1.0f + b.laborprofit) : b.laborcost);
    edit.management = NumberCell::shown(profit ? b.management * (1.0f + b.managementprofit) : b.management);
    for (const MtLine &line : b.materials)
        edit.lines.append(lineOf(line));
    for (const MtLine &line : b.machines)
        edit.lines.append(lineOf(line));
    return edit;
}

LineEdit ItemEdit::lineOf(const MtLine &line)
{
    const QString classify = line.classify.isEmpty() ? LineEdit::unchosenClassify() : line.classify;
    return LineEdit{
        line.name, classify, line.unit, NumberCell::shown(line.price), NumberCell::shown(line.num),
        line.desc, line.code};
}

bool ItemEdit::removeLine(qsizetype row)
{
    if (row < 0 || row >= lines.size() || !lines.at(row).removable())
        return false;
    lines.removeAt(row);
    return true;
}

ItemEdit::LineSums ItemEdit::readLines(ConstructItem &item) const
{
    BrandData &b = item.brand;
    b.materials.clear();
    b.machines.clear();
    LineSums sums;
    for (const LineEdit &row : lines) {
        if (row.name.isEmpty())
            continue;
        MtLine line;
        line.kind = QStringLiteral("auxi");
        line.name = row.name;
        line.classify = row.classify;
        line.unit = row.unit;
        line.code = row.code;
        line.price = row.price.number();
        line.num = row.num.number();
        line.desc = row.desc;
        if (row.isMachine()) {
            sums.machine += line.price * line.num;
            b.machines.append(line);
        } else {
            sums.material += line.price * line.num;
            b.materials.append(line);
        }
    }
    return sums;
}

namespace {

QString numberRefusal(const QString &place, const NumberCell &cell)
{
    if (FiniteNumbers::holds(cell.number()))
        return QString();
    return FiniteNumbers::typedRefusal(place, cell.text);
}

} // namespace

QString ItemEdit::refusal() const
{
    QString why = FileTextRule::firstRefusal(
        {{QStringLiteral("项目名称"), name}, {QStringLiteral("单位"), unit}, {QStringLiteral("说明"), desc}});
    const std::pair<QString, const NumberCell *> prices[] = {{QStringLiteral("材料费"), &material},
                                                             {QStringLiteral("机械费"), &machine},
                                                             {QStringLiteral("人工费"), &labour},
                                                             {QStringLiteral("管理费"), &management}};
    for (const auto &[place, cell] : prices) {
        if (why.isEmpty())
            why = numberRefusal(place, *cell);
    }
    for (qsizetype i = 0; i < lines.size() && why.isEmpty(); ++i) {
        const LineEdit &l = lines.at(i);
        const QString row = QStringLiteral("第%1行").arg(i + 1);
        why = FileTextRule::firstRefusal({{row + QStringLiteral("名称"), l.name},
                                          {row + QStringLiteral("分类"), l.classify},
                                          {row + QStringLiteral("单位"), l.unit},
                                          {row + QStringLiteral("说明"), l.desc}});
        if (why.isEmpty())
            why = numberRefusal(row + QStringLiteral("单价"), l.price);
        if (why.isEmpty())
            why = numberRefusal(row + QStringLiteral("用量"), l.num);
    }
    return why.isEmpty() ? sumRefusal() : why;
}

// The material and machine prices become the sums of price × num: the first
// line whose product or running sum leaves the float range is named. The
// item on its own must also stay within the bound of the lists and sums.
QString ItemEdit::sumRefusal() const
{
    LineSums sums;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const LineEdit &l = lines.at(i);
        if (l.name.isEmpty())
            continue;
        float &sum = l.isMachine() ? sums.machine : sums.material;
        sum += l.price.number() * l.num.number();
        if (!FiniteNumbers::holds(sum))
            return FiniteNumbers::totalRefusal(QStringLiteral("第%1行用量").arg(i + 1), l.num.text);
    }
    BrandData alone;
    alone.num = 1.0f;
    alone.material = std::max(std::fabs(material.number()), std::fabs(sums.material));
    alone.machine = std::max(std::fabs(machine.number()), std::fabs(sums.machine));
    alone.laborcost = labour.number();
    alone.management = management.number();
    ConstructItem lined;
    readLines(lined);
    alone.materials = lined.brand.materials;
    alone.machines = lined.brand.machines;
    if (!ProjectBound().add(alone))
        return QStringLiteral("价格或用量过大，金额或合计超出范围");
    return QString();
}
