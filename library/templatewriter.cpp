#include "templatewriter.h"

#include "estimate/finitenumbers.h"
#include "estimate/numbertext.h"

namespace {

QString f0(float v)
{
    return NumberText::fixed(double(v), 0);
}

QString f2(float v)
{
    return NumberText::fixed(double(v), 2);
}

QString f3(float v)
{
    return NumberText::fixed(double(v), 3);
}

// Rates are fractions in memory and percentages in the file.
QString percent(float rate)
{
    return NumberText::fixed(double(rate * 100.0f), 2) + u'%';
}

// A quote ends the value early and shifts every attribute after it; the
// reader takes an apostrophe for a quote.
bool breaksQuoting(const QString &text)
{
    return text.contains(u'"') || text.contains(u'\'');
}

QString attr(QStringView name, const QString &value)
{
    return name.toString() + QStringLiteral("=\"") + value + u'"';
}

} // namespace

QString TemplateWriter::text(const QList<QuotaItem> &items, const QString &owner)
{
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<root>\n"
                                 "<From site=\"Plotwright\"/>\n");
    if (!owner.isEmpty())
        out += QStringLiteral("  <PassWord user=\"") + owner + QStringLiteral("\"/>\n");
    QString previousCategory;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QuotaItem &item = items.at(i);
        // Only consecutive items share a category element. The first item always
        // opens one: without it the reader would find no item at all.
        if (i == 0 || item.categoryName != previousCategory) {
            if (i > 0)
                out += QStringLiteral("  </project>\n\n");
            out += QStringLiteral("  <project ") + attr(u"name", item.categoryName.trimmed()) + u' ' +
                   attr(u"kind", item.categoryKind) + QStringLiteral(">\n");
        }
        previousCategory = item.categoryName;
        out += itemText(item);
    }
    // An empty library still needs a category element to be read back as a template.
    if (items.isEmpty())
        out += QStringLiteral("  <project name=\"\" kind=\"\">\n");
    out += QStringLiteral("  </project>\n</root>");
    return out;
}

QString TemplateWriter::refusal(const QList<QuotaItem> &items, const QString &owner)
{
    if (breaksQuoting(owner))
        return QStringLiteral("账户名“%1”含有引号，模板无法读回").arg(owner);
    for (const QuotaItem &item : items) {
        const QString why = itemRefusal(item);
        if (!why.isEmpty())
            return QStringLiteral("项目“%1”：%2").arg(item.itemName, why);
    }
    return QString();
}

QString TemplateWriter::itemRefusal(const QuotaItem &item)
{
    const BrandData &b = item.brand;
    QStringList texts = {item.categoryName, item.categoryKind, item.itemName, item.itemDesc, b.unit};
    bool finite = FiniteNumbers::holds(b.num) && FiniteNumbers::holds(b.material) &&
                  FiniteNumbers::holds(b.machine) && FiniteNumbers::holds(b.laborcost) &&
                  FiniteNumbers::holds(b.management);
    for (const float rate : {b.loss, b.materialprofit, b.machineprofit, b.laborprofit, b.managementprofit})
        finite = finite && FiniteNumbers::holdsRate(rate);
    for (const QList<MtLine> *lines : {&b.materials, &b.machines}) {
        for (const MtLine &l : *lines) {
            texts << l.id << l.name << l.classify << l.code << l.unit << l.desc;
            finite = finite && FiniteNumbers::holds(l.price) && FiniteNumbers::holds(l.num);
        }
    }
    for (const AmountRule &r : item.rules) {
        texts << r.RoomName;
        AmountRule copy = r;
        finite = finite && FiniteNumbers::clear(copy) == 0;
    }
    if (!finite)
        return QStringLiteral("数值超出范围，模板无法读回");
    for (const QString &t : texts) {
        if (breaksQuoting(t))
            return QStringLiteral("“%1”含有引号，模板无法读回").arg(t.left(40));
    }
    return QString();
}

QString TemplateWriter::itemText(const QuotaItem &item)
{
    QString out = QStringLiteral("    <construction ") + attr(u"name", item.itemName) + u' ' +
                  attr(u"desc", item.itemDesc) + QStringLiteral(">\n");
    for (const AmountRule &rule : item.rules)
        out += ruleLine(rule);
    out += brandTag(item.brand);
    for (const MtLine &line : item.brand.materials)
        out += mtLine(line, u"0");
    for (const MtLine &line : item.brand.machines)
        out += mtLine(line, u"1");
    out += QStringLiteral("      </brand>\n    </construction>\n");
    return out;
}

QString TemplateWriter::ruleLine(const AmountRule &r)
{
    const QStringList parts = {
        attr(u"id", f0(r.serial)),
        attr(u"bDefault", f0(r.bDefault)),
        attr(u"RoomName", r.RoomName),
        attr(u"Area", f2(r.Area)),
        attr(u"LaterArea", f2(r.LaterArea)),
        attr(u"WindowArea", f2(r.WindowArea)),
        attr(u"DoorArea", f2(r.DoorArea)),
        attr(u"perimeter", f2(r.perimeter)),
        attr(u"WindowPerimeter", f2(r.WindowPerimeter)),
        attr(u"DoorPerimeter", f2(r.DoorPerimeter)),
        attr(u"length", f2(r.length)),
        attr(u"width", f2(r.width)),
        attr(u"DoorWidth", f2(r.DoorWidth)),
        attr(u"height", f2(r.height)),
        attr(u"DoorCount", f2(r.DoorCount)),
        attr(u"constant", f2(r.constant)),
    };
    return QStringLiteral("      <amount ") + parts.join(u' ') + QStringLiteral("/>\n");
}

QString TemplateWriter::brandTag(const BrandData &b)
{
    // The tag starts on a line of its own after an empty line and has no line end.
    return QStringLiteral("\n           <brand ") + attr(u"unit", b.unit) + u' ' + attr(u"num", f3(b.num)) +
           QStringLiteral("  ") + attr(u"loss", percent(b.loss)) + u' ' + attr(u"material", f3(b.material)) +
           u' ' + attr(u"materialprofit", percent(b.materialprofit)) + u' ' +
           attr(u"machine", f3(b.machine)) + u' ' + attr(u"machineprofit", percent(b.machineprofit)) + u' ' +
           attr(u"laborcost", f3(b.laborcost)) + u' ' + attr(u"laborprofit", percent(b.laborprofit)) + u' ' +
           attr(u"management", f3(b.management)) + u' ' +
           attr(u"managementprofit", percent(b.managementprofit)) + u'>';
}

QString TemplateWriter::mtLine(const MtLine &l, QStringView kind)
{
    return QStringLiteral("        <mt ") + attr(u"kind", kind.toString()) + u' ' + attr(u"id", l.id) + u' ' +
           attr(u"name", l.name) + u' ' + attr(u"classify", l.classify) + u' ' + attr(u"code", l.code) +
           u' ' + attr(u"unit", l.unit) + QStringLiteral("  ") + attr(u"price", f3(l.price)) + u' ' +
           attr(u"num", f3(l.num)) + QStringLiteral("  ") + attr(u"desc", l.desc) + QStringLiteral("/>\n");
}
