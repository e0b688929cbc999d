#include "templateparser.h"

#include "estimate/attributereader.h"

namespace {

// Length of "</construction>" minus one: the item block ends on its '>'.
constexpr qsizetype ConstructionCloseLast = 14;

// The first occurrence of one key at or after a start that never moves back:
// the previous answer holds until the start passes it, so a key missing from
// the rest of the text is looked for once, not once per start.
class ForwardFinder
{
public:
    ForwardFinder(QStringView text, QStringView key) : m_text(text), m_key(key) {}

    qsizetype indexOf(qsizetype from)
    {
        if (m_from < 0 || from < m_from || (m_found >= 0 && m_found < from)) {
            m_from = from;
            m_found = m_text.indexOf(m_key, from);
        }
        return m_found;
    }

private:
    QStringView m_text;
    QStringView m_key;
    qsizetype m_from = -1;
    qsizetype m_found = -1;
};

// Walks the item blocks category by category. A construction is looked for
// from where the last one was found, so one lying between two categories
// belongs to the next. `visit(p, c, block)` gets the category's and the item's
// positions in the text and the item block.
template <typename Visit> void visitItemBlocks(QStringView text, Visit visit)
{
    ForwardFinder constructions(text, u"<construction");
    qsizetype p = text.indexOf(u"<project");
    qsizetype mark = p;
    while (p >= 0) {
        const qsizetype pend = text.indexOf(u"</project>", p);
        qsizetype c = mark < 0 ? -1 : constructions.indexOf(mark);
        while (c >= 0 && c < pend) {
            const qsizetype close = text.indexOf(u"</construction>", c);
            // An item without its end cannot be delimited: the reading stops there.
            if (close < 0)
                return;
            const qsizetype cend = close + ConstructionCloseLast;
            visit(p, c, text.mid(c, cend - c + 1));
            c = constructions.indexOf(cend);
            mark = c;
        }
        if (pend < 0)
            return;
        p = text.indexOf(u"<project", pend);
    }
}

// The attributes of the category at `p` are searched on to the end of the
// text, so a key no category writes (our writer never writes id=) would be
// looked for to the end once per category; the finders answer it once.
class CategoryFields
{
public:
    explicit CategoryFields(QStringView text)
        : m_text(text), m_id(text, u"id="), m_name(text, u"name="), m_kind(text, u"kind=")
    {
    }

    void readAt(qsizetype p, bool withId)
    {
        if (p == m_position)
            return;
        m_position = p;
        m_values[0] = withId ? valueAt(m_id.indexOf(p), 0) : QString();
        m_values[1] = valueAt(m_name.indexOf(p), 1);
        m_values[2] = valueAt(m_kind.indexOf(p), 2);
    }

    void fill(QuotaItem &item) const
    {
        item.categoryId = m_values[0];
        item.categoryName = m_values[1];
        item.categoryKind = m_values[2];
    }

private:
    // Categories that find the same occurrence read the same value.
    QString valueAt(qsizetype keyPosition, int field)
    {
        if (keyPosition < 0)
            return QString();
        if (keyPosition != m_keyPositions[field]) {
            m_keyPositions[field] = keyPosition;
            m_keyValues[field] = AttributeTextAt(m_text, keyPosition);
        }
        return m_keyValues[field];
    }

    QStringView m_text;
    ForwardFinder m_id;
    ForwardFinder m_name;
    ForwardFinder m_kind;
    qsizetype m_position = -1;
    QString m_values[3];
    qsizetype m_keyPositions[3] = {-1, -1, -1};
    QString m_keyValues[3];
};

// The opening tag of the first <brand in the block, without "<brand" and ">".
QStringView brandText(QStringView block)
{
    const qsizetype g = block.indexOf(u"<brand");
    if (g < 0)
        return {};
    const qsizetype end = block.indexOf(u'>', g);
    return end < 0 ? block.mid(g + 6) : block.mid(g + 6, end - g - 6);
}

} // namespace

QList<QuotaItem> TemplateParser::readItems(QStringView text)
{
    QList<QuotaItem> items;
    CategoryFields category(text);
    visitItemBlocks(text, [&](qsizetype p, qsizetype, QStringView block) {
        QuotaItem item;
        category.readAt(p, true);
        category.fill(item);
        item.itemId = ReadAttributeText(block, u"id=");
        item.itemName = ReadAttributeText(block, u"name=");
        item.itemDesc = ReadAttributeText(block, u"desc=");
        readRules(block, item);
        const QStringView brand = brandText(block);
        item.brand.unit = ReadAttributeText(brand, u"unit=");
        readBrandNumbers(brand, 0, item.brand);
        if (item.brand.num == 0.0f)
            item.brand.num = 1.0f;
        readLines(block, item.brand);
        items.append(item);
    });
    return items;
}

QList<QuotaItem> TemplateParser::readItemsOnly(QStringView text)
{
    QList<QuotaItem> items;
    CategoryFields category(text);
    visitItemBlocks(text, [&](qsizetype p, qsizetype c, QStringView block) {
        QuotaItem item;
        category.readAt(p, false);
        category.fill(item);
        // These values come from the first occurrence after the item's start in the whole text.
        item.itemName = ReadAttributeText(text, u"name=", c);
        item.itemDesc = ReadAttributeText(text, u"desc=", c);
        item.brand.unit = ReadAttributeText(text, u"unit=", c);
        readBrandNumbers(text, c, item.brand);
        readLines(block, item.brand);
        items.append(item);
    });
    return items;
}

bool TemplateParser::userMayEdit(QStringView text, const QString &user)
{
    if (!text.contains(u"<PassWord"))
        return true;
    return ReadAttributeText(text, u"user=") == user;
}

void TemplateParser::readRules(QStringView block, QuotaItem &item)
{
    const qsizetype b = block.indexOf(u"brand");
    qsizetype a = block.indexOf(u"<amount");
    qsizetype defaultIndex = -1;
    while (a >= 0 && a < b) {
        qsizetype e = block.indexOf(u"</amount>", a);
        if (e < 0)
            e = block.indexOf(u"/>", a);
        if (e < 0)
            break;
        AmountRule rule = readRule(block.mid(a + 7, e - a - 7));
        const qsizetype index = item.rules.size();
        for (int kind = 1; kind < RoomKindCount; ++kind) {
            if (rule.serial != float(kind))
                continue;
            if (rule.RoomName.isEmpty())
                rule.RoomName = roomKindName(kind);
            item.ruleIndexByKind[kind] = float(index);
        }
        if (rule.serial == 0.0f) {
            item.ruleIndexByKind[0] = float(index);
            defaultIndex = index;
        }
        item.rules.append(rule);
        a = block.indexOf(u"<amount", e);
    }
    item.currentRule = defaultIndex >= 0 ? item.rules.at(defaultIndex) : AmountRule();
}

AmountRule TemplateParser::readRule(QStringView t)
{
    AmountRule rule;
    rule.serial = ReadAttributeNumber(t, u"id=");
    rule.bDefault = ReadAttributeNumber(t, u"bDefault=");
    rule.RoomName = ReadAttributeText(t, u"RoomName=");
    rule.Area = ReadAttributeNumber(t, u"Area=");
    rule.LaterArea = ReadAttributeNumber(t, u"LaterArea=");
    rule.WindowArea = ReadAttributeNumber(t, u"WindowArea=");
    rule.DoorArea = ReadAttributeNumber(t, u"DoorArea=");
    rule.perimeter = ReadAttributeNumber(t, u"perimeter=");
    rule.WindowPerimeter = ReadAttributeNumber(t, u"WindowPerimeter=");
    rule.DoorPerimeter = ReadAttributeNumber(t, u"DoorPerimeter=");
    rule.length = ReadAttributeNumber(t, u"length=");
    rule.width = ReadAttributeNumber(t, u"width=");
    rule.DoorWidth = ReadAttributeNumber(t, u"DoorWidth=");
    rule.height = ReadAttributeNumber(t, u"height=");
    rule.DoorCount = ReadAttributeNumber(t, u"DoorCount=");
    rule.constant = ReadAttributeNumber(t, u"constant=");
    return rule;
}

void TemplateParser::readBrandNumbers(QStringView t, qsizetype from, BrandData &brand)
{
    brand.num = ReadAttributeNumber(t, u"num=", from);
    brand.loss = ReadAttributeNumber(t, u"loss=", from);
    brand.material = ReadAttributeNumber(t, u"material=", from);
    brand.materialprofit = ReadAttributeNumber(t, u"materialprofit=", from);
    brand.machine = ReadAttributeNumber(t, u"machine=", from);
    brand.machineprofit = ReadAttributeNumber(t, u"machineprofit=", from);
    brand.laborcost = ReadAttributeNumber(t, u"laborcost=", from);
    brand.laborprofit = ReadAttributeNumber(t, u"laborprofit=", from);
    brand.management = ReadAttributeNumber(t, u"management=", from);
    brand.managementprofit = ReadAttributeNumber(t, u"managementprofit=", from);
}

void TemplateParser::readLines(QStringView block, BrandData &brand)
{
    qsizetype m = block.indexOf(u"<mt");
    while (m >= 0) {
        const qsizetype q = block.indexOf(u'>', m);
        if (q < 0)
            break;
        // The line stops before the "/>" that closes it.
        const MtLine line = ReadMtLine(block.mid(m, q - 1 - m));
        (line.isMachine() ? brand.machines : brand.materials).append(line);
        m = block.indexOf(u"<mt", q + 1);
    }
}
