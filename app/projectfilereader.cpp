#include "projectfilereader.h"

#include "indexedtext.h"
#include "projectfileintegrity.h"

#include "estimate/attributereader.h"
#include "estimate/finitenumbers.h"
#include "estimate/projectbound.h"
#include "estimate/recordbudget.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <utility>

namespace {

using TextScan::Key;

// The tails of the nine head tags, six characters each, in head order.
constexpr std::array<Key, ProjectInfo::FieldCount> HeadKeys{"<name>", "dress>", "tomer>", "model>", "<area>",
                                                           "umber>", "riter>", "phone>", "<Date>"};
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
template <typename Text> qsizetype endOrSize(Text text, qsizetype found)
{
    return found < 0 ? TextScan::size(text) : found;
}

template <typename Text> Text sliced(Text text, qsizetype from, qsizetype length)
{
    return text.substr(std::size_t(from), std::size_t(length));
}

template <typename Text>
QList<Opening> readOpenings(Text room, IndexedText<Text> &index, Key tag, Key nameKey, const QString &defaultName)
{
    QList<Opening> openings;
    int unnamed = 1;
    qsizetype d = TextScan::indexOf(room, tag, 0);
    while (d >= 0) {
        const qsizetype g = TextScan::indexOf(room, '>', d);
        Opening o;
        if (index.indexOf(nameKey, d) < 0)
            o.name = defaultName.arg(unnamed++);
        else
            o.name = index.attributeText(nameKey, d);
        o.long_ = index.attributeNumber("long=", d);
        o.width = index.attributeNumber("width=", d);
        openings.append(o);
        if (g < 0)
            break;
        d = TextScan::indexOf(room, tag, g + 1);
    }
    return openings;
}

// Attributes are looked up from the item's start to the end of the room, so an
// item lacking one takes the next item's value; old files rely on that reading.
template <typename Text> void readBrand(IndexedText<Text> &index, qsizetype k, BrandData &b)
{
    b.unit = index.attributeText("unit=", k);
    b.num = index.attributeNumber("num=", k);
    b.loss = index.attributeNumber("loss=", k);
    b.material = index.attributeNumber("material=", k);
    b.materialprofit = index.attributeNumber("materialprofit=", k);
    b.machine = index.attributeNumber("machine=", k);
    b.machineprofit = index.attributeNumber("machineprofit=", k);
    b.laborcost = index.attributeNumber("laborcost=", k);
    b.laborprofit = index.attributeNumber("laborprofit=", k);
    b.management = index.attributeNumber("management=", k);
    b.managementprofit = index.attributeNumber("managementprofit=", k);
    b.tax = index.attributeNumber("tax=", k);
}

// The resource lists of items read so far, by the text of their mt lines: a project
// repeats the same item in room after room, and equal lines read alike.
template <typename Text> using ResourceLists = std::unordered_map<Text, std::pair<QList<MtLine>, QList<MtLine>>>;

// The mt lines between the item's start k and its end f.
template <typename Text>
void readMtLines(Text room, IndexedText<Text> &index, qsizetype k, qsizetype f, BrandData &b,
                 ResourceLists<Text> &known)
{
    const qsizetype first = index.indexOf("<mt", k);
    if (first < 0 || first >= f)
        return;
    qsizetype end = first;
    for (qsizetype m = first; m >= 0 && m < f; m = index.indexOf("<mt", end))
        end = endOrSize(room, TextScan::indexOf(room, Key("/>"), m));
    const auto [lists, added] = known.try_emplace(sliced(room, first, end - first));
    if (added) {
        auto &[materials, machines] = lists->second;
        for (qsizetype m = first; m >= 0 && m < f;) {
            const qsizetype s = endOrSize(room, TextScan::indexOf(room, Key("/>"), m));
            MtLine line = TextScan::mtLine(sliced(room, m, s - m), index.shared());
            (line.isMachine() ? machines : materials).append(std::move(line));
            m = index.indexOf("<mt", s);
        }
        // Grown line by line, the lists would keep up to twice their room for as long as the project is open.
        materials.squeeze();
        machines.squeeze();
    }
    b.materials = lists->second.first;
    b.machines = lists->second.second;
}

template <typename Text>
QList<ConstructItem> readItems(Text room, IndexedText<Text> &index, ResourceLists<Text> &known)
{
    QList<ConstructItem> items;
    qsizetype k = index.indexOf("<construction", 0);
    while (k >= 0) {
        const qsizetype f = endOrSize(room, TextScan::indexOf(room, Key("</construction>"), k + 1));
        ConstructItem item;
        item.itemName = index.attributeText("name=", k);
        item.itemDesc = index.attributeText("desc=", k);
        item.categoryKind = index.attributeText("kind=", k);
        readBrand(index, k, item.brand);
        readMtLines(room, index, k, f, item.brand, known);
        items.append(std::move(item));
        k = index.indexOf("<construction", f);
    }
    return items;
}

template <typename Text>
ProjectRoom readRoom(Text room, TextScan::SharedValues<Text> &shared, ResourceLists<Text> &known)
{
    IndexedText<Text> index(room, shared);
    ProjectRoom out;
    RoomData &r = out.room;
    r.name = index.attributeText("name=", 0);
    r.long_ = index.attributeNumber("long=", 0);
    r.width = index.attributeNumber("width=", 0);
    r.height = index.attributeNumber("height=", 0);
    r.checkType = wholePart(index.attributeNumber("checkType=", 0));
    r.doors = readOpenings(room, index, "<door", "doorName=", QStringLiteral("门%1"));
    r.windows = readOpenings(room, index, "<window", "windowName=", QStringLiteral("窗%1"));
    out.items = readItems(room, index, known);
    return out;
}

// Each value runs from the end of its key to the next "<"; the next key is
// looked for from just before that "<". A missing key or "<" leaves the label.
template <typename Text> ProjectInfo parseHead(Text text)
{
    ProjectInfo info;
    qsizetype p = 0;
    for (int i = 0; i < ProjectInfo::FieldCount; ++i) {
        QString value;
        const qsizetype b = TextScan::indexOf(text, HeadKeys[i], p);
        if (b >= 0) {
            const qsizetype e = TextScan::indexOf(text, '<', b + HeadKeyLength);
            if (e >= 0) {
                value = TextScan::decoded(text, b + HeadKeyLength, e - b - HeadKeyLength).trimmed();
                p = e - 1;
            } else {
                p = TextScan::size(text);
            }
        }
        info.field(i) = value.isEmpty() ? ProjectInfo::fieldLabel(i) : value;
    }
    return info;
}

template <typename Text> std::optional<ProjectRateTexts> parseRates(Text text)
{
    const qsizetype t = TextScan::indexOf(text, Key("<rate"), 0);
    if (t < 0)
        return std::nullopt;
    const qsizetype u = endOrSize(text, TextScan::indexOf(text, Key("/>"), t));
    const Text rate = sliced(text, t, u - t);
    return ProjectRateTexts{TextScan::attributeText(rate, Key("Profit=")),
                            TextScan::attributeText(rate, Key("Loss=")), TextScan::attributeText(rate, Key("Tax="))};
}

// A room without its closing tag runs to the end of the text and is the last one.
template <typename Text> QList<ProjectRoom> parseItems(Text text)
{
    static constexpr Key Close = "</room>";
    QList<ProjectRoom> rooms;
    TextScan::SharedValues<Text> shared;
    ResourceLists<Text> known;
    qsizetype v = TextScan::indexOf(text, Key("<room"), 0);
    while (v >= 0) {
        const qsizetype w = TextScan::indexOf(text, Close, v + 5);
        const qsizetype end = w < 0 ? TextScan::size(text) : w + qsizetype(Close.size());
        rooms.append(readRoom(sliced(text, v, end - v), shared, known));
        if (w < 0)
            break;
        v = TextScan::indexOf(text, Key("<room"), end);
    }
    return rooms;
}

template <typename Text> ProjectDocument parseDocument(Text text)
{
    return {parseHead(text), parseRates(text), parseItems(text)};
}

// The file's bytes after the byte-order mark, searched as they are. Decoding
// skipped the mark and then QString::fromUtf8 one more right after it.
TextScan::Utf8 fileText(QByteArrayView bytes)
{
    for (int mark = 0; mark < 2 && bytes.startsWith("\xEF\xBB\xBF"); ++mark)
        bytes = bytes.sliced(3);
    return TextScan::view(bytes);
}

} // namespace

bool IsProjectPath(const QString &path)
{
    return path.contains(QLatin1String("gzj"), Qt::CaseInsensitive);
}

ProjectInfo ParseProjectHead(QStringView text)
{
    return parseHead(TextScan::view(text));
}

std::optional<ProjectRateTexts> ParseProjectRates(QStringView text)
{
    return parseRates(TextScan::view(text));
}

QList<ProjectRoom> ParseProjectItems(QStringView text)
{
    return parseItems(TextScan::view(text));
}

ProjectDocument ParseProjectDocument(QStringView text)
{
    return parseDocument(TextScan::view(text));
}

ProjectDocument ParseProjectBytes(QByteArrayView bytes)
{
    return parseDocument(fileText(bytes));
}

namespace {

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

} // namespace

namespace {

// What the records of a file would weigh in memory, by tag (see RecordBudget).
constexpr std::array<std::pair<Key, qsizetype>, 5> RecordWeights{
    {{"<room", 64}, {"<door", 32}, {"<window", 32}, {"<construction", 256}, {"<mt", 64}}};

// Every tag starts with '<' and none holds another: one pass over the '<' counts them all.
template <typename Text> qsizetype recordWeight(Text text)
{
    qsizetype spent = 0;
    for (qsizetype p = TextScan::indexOf(text, '<', 0); p >= 0; p = TextScan::indexOf(text, '<', p + 1)) {
        const Text rest = text.substr(std::size_t(p));
        for (const auto &[tag, weight] : RecordWeights) {
            if (rest.size() >= tag.size() && std::equal(tag.begin(), tag.end(), rest.begin()))
                spent += weight;
        }
    }
    return spent;
}

// The length of the decoded text of a file's bytes (after the byte-order mark):
// each UTF-16 unit comes from at least one byte, and every byte that does not
// continue a sequence starts one; only between these bounds is it counted exactly.
bool bytesFitBudget(TextScan::Utf8 bytes, qsizetype spent)
{
    qsizetype continuations = 0;
    for (char c : bytes)
        continuations += (uchar(c) & 0xC0) == 0x80;
    qsizetype crLf = 0;
    for (qsizetype p = TextScan::indexOf(bytes, Key("\r\n"), 0); p >= 0;
         p = TextScan::indexOf(bytes, Key("\r\n"), p + 2))
        ++crLf;
    const qsizetype size = TextScan::size(bytes);
    if (RecordBudget::fits(size - continuations - crLf, spent))
        return true;
    if (!RecordBudget::fits(size - crLf, spent))
        return false;
    const qsizetype decoded = QString::fromUtf8(bytes.data(), size).size() - crLf;
    return RecordBudget::fits(decoded, spent);
}

ProjectLoadResult refused()
{
    ProjectLoadResult result;
    result.errorText = RecordBudget::refusalText();
    return result;
}

template <typename Text> ProjectLoadResult readDocument(Text text)
{
    ProjectLoadResult result;
    result.document = parseDocument(text);
    result.noticeText = FiniteNumbers::notice(ClearNonFiniteNumbers(result.document));
    result.status = ProjectLoadStatus::Loaded;
    return result;
}

} // namespace

ProjectLoadResult ReadProjectText(QStringView text)
{
    const TextScan::Utf16 units = TextScan::view(text);
    if (!RecordBudget::fits(TextScan::size(units), recordWeight(units)))
        return refused();
    return readDocument(units);
}

ProjectLoadResult ReadProjectBytes(QByteArrayView bytes)
{
    const TextScan::Utf8 text = fileText(bytes);
    if (!bytesFitBudget(text, recordWeight(text)))
        return refused();
    return readDocument(text);
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
