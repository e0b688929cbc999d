#include "projectfilereader.h"

#include "indexedtext.h"
#include "projectfileencoding.h"
#include "projectfileintegrity.h"

#include "estimate/attributereader.h"
#include "estimate/finitenumbers.h"
#include "estimate/projectbound.h"
#include "estimate/recordbudget.h"

#include <QFile>

#include <array>
#include <cmath>
#include <limits>

namespace {

// The tails of the nine head tags, six characters each, in head order.
constexpr std::array<const char16_t *, ProjectInfo::FieldCount> HeadKeys{
    u"<name>", u"dress>", u"tomer>", u"model>", u"<area>", u"umber>", u"riter>", u"phone>", u"<Date>"};
constexpr qsizetype HeadKeyLength = 6;

// The whole part of a number read from a file; values no int holds give the nearest bound.
std::int32_t wholePart(float v)
{
    if (std::isnan(v))
        return 0;
    const float t = std::trunc(v);
    if (t <= float(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (t >= 2147483648.0f)
        return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(t);
}

// The end of an element's text: the terminator, or the end of the text when it is missing.
qsizetype endOrSize(QStringView text, qsizetype found)
{
    return found < 0 ? text.size() : found;
}

QList<Opening> readOpenings(QStringView room, IndexedText &index, QStringView tag, QStringView nameKey,
                            const QString &defaultName)
{
    QList<Opening> openings;
    int unnamed = 1;
    qsizetype d = room.indexOf(tag);
    while (d >= 0) {
        const qsizetype g = room.indexOf(u'>', d);
        Opening o;
        if (index.indexOf(nameKey, d) < 0)
            o.name = defaultName.arg(unnamed++);
        else
            o.name = index.attributeText(nameKey, d);
        o.long_ = index.attributeNumber(u"long=", d);
        o.width = index.attributeNumber(u"width=", d);
        openings.append(o);
        if (g < 0)
            break;
        d = room.indexOf(tag, g + 1);
    }
    return openings;
}

// Attributes are looked up from the item's start to the end of the room, so an
// item lacking one takes the next item's value; old files rely on that reading.
void readBrand(IndexedText &index, qsizetype k, BrandData &b)
{
    b.unit = index.attributeText(u"unit=", k);
    b.num = index.attributeNumber(u"num=", k);
    b.loss = index.attributeNumber(u"loss=", k);
    b.material = index.attributeNumber(u"material=", k);
    b.materialprofit = index.attributeNumber(u"materialprofit=", k);
    b.machine = index.attributeNumber(u"machine=", k);
    b.machineprofit = index.attributeNumber(u"machineprofit=", k);
    b.laborcost = index.attributeNumber(u"laborcost=", k);
    b.laborprofit = index.attributeNumber(u"laborprofit=", k);
    b.management = index.attributeNumber(u"management=", k);
    b.managementprofit = index.attributeNumber(u"managementprofit=", k);
    b.tax = index.attributeNumber(u"tax=", k);
}

// The mt lines between the item's start k and its end f.
void readMtLines(QStringView room, IndexedText &index, qsizetype k, qsizetype f, BrandData &b)
{
    qsizetype m = index.indexOf(u"<mt", k);
    while (m >= 0 && m < f) {
        const qsizetype s = endOrSize(room, room.indexOf(u"/>", m));
        MtLine line = ReadMtLine(room.sliced(m, s - m));
        if (line.isMachine())
            b.machines.append(std::move(line));
        else
            b.materials.append(std::move(line));
        m = index.indexOf(u"<mt", s);
    }
}

QList<ConstructItem> readItems(QStringView room, IndexedText &index)
{
    QList<ConstructItem> items;
    qsizetype k = index.indexOf(u"<construction", 0);
    while (k >= 0) {
        const qsizetype f = endOrSize(room, room.indexOf(u"</construction>", k + 1));
        ConstructItem item;
        item.itemName = index.attributeText(u"name=", k);
        item.itemDesc = index.attributeText(u"desc=", k);
        item.categoryKind = index.attributeText(u"kind=", k);
        readBrand(index, k, item.brand);
        readMtLines(room, index, k, f, item.brand);
        items.append(std::move(item));
        k = index.indexOf(u"<construction", f);
    }
    return items;
}

ProjectRoom readRoom(QStringView room)
{
    IndexedText index(room);
    ProjectRoom out;
    RoomData &r = out.room;
    r.name = index.attributeText(u"name=", 0);
    r.long_ = index.attributeNumber(u"long=", 0);
    r.width = index.attributeNumber(u"width=", 0);
    r.height = index.attributeNumber(u"height=", 0);
    r.checkType = wholePart(index.attributeNumber(u"checkType=", 0));
    r.doors = readOpenings(room, index, u"<door", u"doorName=", QStringLiteral("门%1"));
    r.windows = readOpenings(room, index, u"<window", u"windowName=", QStringLiteral("窗%1"));
    out.items = readItems(room, index);
    return out;
}

} // namespace

bool IsProjectPath(const QString &path)
{
    return path.contains(QLatin1String("gzj"), Qt::CaseInsensitive);
}

// Each value runs from the end of its key to the next "<"; the next key is
// looked for from just before that "<". A missing key or "<" leaves the label.
ProjectInfo ParseProjectHead(QStringView text)
{
    ProjectInfo info;
    qsizetype p = 0;
    for (int i = 0; i < ProjectInfo::FieldCount; ++i) {
        QString value;
        const qsizetype b = text.indexOf(QStringView(HeadKeys[i]), p);
        if (b >= 0) {
            const qsizetype e = text.indexOf(u'<', b + HeadKeyLength);
            if (e >= 0) {
                value = text.sliced(b + HeadKeyLength, e - b - HeadKeyLength).trimmed().toString();
                p = e - 1;
            } else {
                p = text.size();
            }
        }
        info.field(i) = value.isEmpty() ? ProjectInfo::fieldLabel(i) : value;
    }
    return info;
}

std::optional<ProjectRateTexts> ParseProjectRates(QStringView text)
{
    const qsizetype t = text.indexOf(u"<rate");
    if (t < 0)
        return std::nullopt;
    const qsizetype u = endOrSize(text, text.indexOf(u"/>", t));
    const QStringView rate = text.sliced(t, u - t);
    return ProjectRateTexts{ReadAttributeText(rate, u"Profit="), ReadAttributeText(rate, u"Loss="),
                            ReadAttributeText(rate, u"Tax=")};
}

// A room without its closing tag runs to the end of the text and is the last one.
QList<ProjectRoom> ParseProjectItems(QStringView text)
{
    static constexpr QStringView Close = u"</room>";
    QList<ProjectRoom> rooms;
    qsizetype v = text.indexOf(u"<room");
    while (v >= 0) {
        const qsizetype w = text.indexOf(Close, v + 5);
        const qsizetype end = w < 0 ? text.size() : w + Close.size();
        rooms.append(readRoom(text.sliced(v, end - v)));
        if (w < 0)
            break;
        v = text.indexOf(u"<room", end);
    }
    return rooms;
}

ProjectDocument ParseProjectDocument(QStringView text)
{
    return {ParseProjectHead(text), ParseProjectRates(text), ParseProjectItems(text)};
}

ProjectDocument ParseProjectBytes(QByteArrayView bytes)
{
    const QString text = ProjectFileEncoding::decode(bytes);
    return ParseProjectDocument(text);
}

// Numbers beyond float range read as 0, and so do the numbers of an item
// whose amounts or the project's sums would leave it; the count goes into the notice.
int ClearNonFiniteNumbers(ProjectDocument &document)
{
    int cleared = 0;
    ProjectBound bound;
    for (ProjectRoom &room : document.rooms) {
        cleared += FiniteNumbers::clear(room.room);
        for (ConstructItem &item : room.items)
            cleared += FiniteNumbers::clear(item) + bound.admit(item.brand);
    }
    return cleared;
}

ProjectLoadResult ReadProjectBytes(QByteArrayView bytes)
{
    ProjectLoadResult result;
    const QString text = ProjectFileEncoding::decode(bytes);
    if (!RecordBudget::fits(
            text,
            {{u"<room", 64}, {u"<door", 32}, {u"<window", 32}, {u"<construction", 256}, {u"<mt", 64}})) {
        result.errorText = RecordBudget::refusalText();
        return result;
    }
    result.document = ParseProjectDocument(text);
    result.noticeText = FiniteNumbers::notice(ClearNonFiniteNumbers(result.document));
    result.status = ProjectLoadStatus::Loaded;
    return result;
}

ProjectLoadResult LoadProjectFile(const QString &path)
{
    ProjectLoadResult result;
    if (!IsProjectPath(path)) {
        result.status = ProjectLoadStatus::NotProjectPath;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.errorText = QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString());
        return result;
    }
    // One byte beyond the limit tells a file that is too large, whatever size it reports.
    const QByteArray bytes = file.read(MaxProjectFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.errorText = QStringLiteral("无法读取文件 %1：%2").arg(path, file.errorString());
        return result;
    }
    if (bytes.size() > MaxProjectFileBytes) {
        result.errorText = QStringLiteral("文件 %1 过大，不是有效的工程文件").arg(path);
        return result;
    }
    result = ReadProjectBytes(bytes);
    if (result.status == ProjectLoadStatus::Failed)
        result.errorText = QStringLiteral("%1：%2").arg(path, result.errorText);
    else
        result.damaged = !ProjectFileIntegrity::isComplete(bytes);
    return result;
}
