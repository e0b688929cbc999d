#include "projectfilewriter.h"


#include "estimate/numbertext.h"
#include "estimate/savefailure.h"

#include <QSaveFile>

#include <algorithm>
#include <string_view>

namespace {

// A number written with a fixed count of decimals; a percent is the fraction
// times 100 (a float product) followed by "%".
struct Fixed {
    double value;
    int decimals;
};

Fixed two(float v)
{
    return {double(v), 2};
}

Fixed three(float v)
{
    return {double(v), 3};
}

Fixed six(float v)
{
    return {double(v), 6};
}

struct Percent {
    float fraction;
};

// The document text: UTF-16 with LF line ends.
class TextOut
{
public:
    explicit TextOut(qsizetype expected) { m_text.reserve(expected); }

    TextOut &operator<<(std::string_view ascii)
    {
        m_text.append(QLatin1String(ascii.data(), qsizetype(ascii.size())));
        return *this;
    }
    TextOut &operator<<(QStringView value)
    {
        m_text.append(value);
        return *this;
    }
    TextOut &operator<<(Fixed n)
    {
        m_text.append(NumberText::fixed(n.value, n.decimals));
        return *this;
    }

    QString take() { return std::move(m_text); }

private:
    QString m_text;
};

// The file's bytes: UTF-8 with CR LF line ends, as encoding the document text
// would give them. Each value is encoded alone; it is bounded by ASCII on both
// sides, so it encodes exactly as it would within the whole text.
class FileOut
{
public:
    explicit FileOut(qsizetype expected)
    {
        m_bytes.reserve(expected);
        m_bytes.append("\xEF\xBB\xBF");
    }

    FileOut &operator<<(std::string_view ascii)
    {
        for (std::size_t start = 0;;) {
            const std::size_t lf = ascii.find('\n', start);
            m_bytes.append(ascii.data() + start, qsizetype((lf == ascii.npos ? ascii.size() : lf) - start));
            if (lf == ascii.npos)
                return *this;
            m_bytes.append("\r\n", 2);
            start = lf + 1;
        }
    }
    FileOut &operator<<(QStringView value)
    {
        const char16_t *units = value.utf16();
        const bool ascii = std::all_of(units, units + value.size(), [](char16_t c) { return c < 0x80; });
        if (!ascii) {
            const QByteArray utf8 = value.toUtf8();
            return *this << std::string_view(utf8.constData(), std::size_t(utf8.size()));
        }
        for (char16_t c : std::u16string_view(units, std::size_t(value.size()))) {
            if (c == u'\n')
                m_bytes.append('\r');
            m_bytes.append(char(c));
        }
        return *this;
    }
    FileOut &operator<<(Fixed n)
    {
        NumberText::appendFixed(m_bytes, n.value, n.decimals);
        return *this;
    }

    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

template <typename Out> Out &operator<<(Out &out, Percent p)
{
    const float hundredths = p.fraction * 100.0f;
    return out << Fixed{double(hundredths), 2} << std::string_view("%");
}

template <typename Out> Out &operator<<(Out &out, const char *ascii)
{
    return out << std::string_view(ascii);
}

template <typename Out> Out &operator<<(Out &out, const QString &value)
{
    return out << QStringView(value);
}

template <typename Out> Out &operator<<(Out &out, QChar c)
{
    return out << QStringView(&c, 1);
}

// About the text of an item with its lines, so that the text is seldom moved while it grows.
constexpr qsizetype ApproximateRowLength = 1024;

// The value written for a head field: a label still standing in the form
// means empty, the name is never left empty, and no head value holds a space.
QString headValue(const ProjectInfo &info, int i)
{
    QString value = info.field(i);
    if (value == ProjectInfo::fieldLabel(i))
        value.clear();
    if (i == 0 && value.isEmpty())
        value = QStringLiteral("新工程");
    value = value.trimmed();
    value.remove(u' ');
    return value;
}

template <typename Out> void appendHead(Out &out, const ProjectInfo &info)
{
    static constexpr const char *Tabs = "\t\t\t\t\t\t";
    out << "\n   <head>" << Tabs;
    for (int i = 0; i < ProjectInfo::FieldCount; ++i) {
        const QString tag = ProjectInfo::fieldTag(i);
        out << "\n      <" << tag << "> " << headValue(info, i) << " </" << tag << ">" << Tabs;
    }
    out << "\n   </head>";
}

template <typename Out> void appendRate(Out &out, const RateSettings &rates)
{
    out << "\n      <rate ";
    out << "Profit=\"";
    if (rates.profitEnabled)
        out << rates.mainProfit << "\" ";
    else
        out << "0\"";
    out << " Loss=\"" << (rates.lossEnabled ? rates.loss : QStringLiteral("0")) << "\"";
    out << " Tax=\"" << (rates.taxEnabled ? rates.tax : QStringLiteral("0")) << "\"";
    out << "/>";
}

template <typename Out> void appendPageLine(Out &out, const char *tag, const QString &value)
{
    out << "\n<" << tag << ">" << value << "</" << tag << ">";
}

template <typename Out> void appendPage(Out &out, const PageSettings &page)
{
    out << "\n<page>";
    appendPageLine(out, "pagesize", page.pagesize);
    appendPageLine(out, "pageorientation", page.pageorientation);
    appendPageLine(out, "pagemarginleft", page.pagemarginleft);
    appendPageLine(out, "pagemarginright", page.pagemarginright);
    appendPageLine(out, "pagemargintop", page.pagemargintop);
    appendPageLine(out, "pagemarginbottom", page.pagemarginbottom);
    out << "\n</page>";
}

// Values are appended, never substituted, so a value holding "%1" stays as it is.
template <typename Out> void appendOpening(Out &out, const char *element, const char *nameKey, const Opening &o)
{
    out << "\n           <" << element << " " << nameKey << "=\"" << o.name << "\" long=\"" << two(o.long_)
        << "\" width=\"" << two(o.width) << "\" />";
}

template <typename Out> void appendRoom(Out &out, const RoomData &room)
{
    out << "\n      <room name=\"" << room.name << "\" long=\"" << two(room.long_) << "\" width=\""
        << two(room.width) << "\" height=\"" << two(room.height) << "\" checkType=\""
        << QString::number(room.checkType) << "\">";
    for (const Opening &door : room.doors)
        appendOpening(out, "door", "doorName", door);
    for (const Opening &window : room.windows)
        appendOpening(out, "window", "windowName", window);
}

template <typename Out> void appendBrandStart(Out &out, const BrandData &b)
{
    out << "\n           <brand unit=\"" << b.unit << "\" num=\"" << three(b.num) << "\"  loss=\""
        << Percent{b.loss} << "\" material=\"" << three(b.material) << "\" materialprofit=\""
        << Percent{b.materialprofit} << "\" machine=\"" << three(b.machine) << "\" machineprofit=\""
        << Percent{b.machineprofit} << "\" laborcost=\"" << three(b.laborcost) << "\" laborprofit=\""
        << Percent{b.laborprofit} << "\" management=\"" << three(b.management) << "\" managementprofit=\""
        << Percent{b.managementprofit} << "\" tax=\"" << Percent{b.tax} << "\">";
}

// The kind attribute says which list the line was in, not what the line says.
template <typename Out> void appendMtLine(Out &out, const char *listKind, const MtLine &m)
{
    out << "\n             <mt kind=\"" << listKind << "\" id=\"" << m.id << "\" name=\"" << m.name
        << "\" classify=\"" << m.classify << "\" code=\"" << m.code << "\" unit=\"" << m.unit
        << "\" price=\"" << six(m.price) << "\" num=\"" << six(m.num) << "\" desc=\"" << m.desc << "\" />";
}

template <typename Out> void appendItem(Out &out, const ConstructItem &item)
{
    out << "\n         <construction name=\"" << item.itemName << "\" desc=\"" << item.itemDesc
        << "\" kind=\"" << item.categoryKind << "\">";
    appendBrandStart(out, item.brand);
    for (const MtLine &m : item.brand.materials)
        appendMtLine(out, "0", m);
    for (const MtLine &m : item.brand.machines)
        appendMtLine(out, "1", m);
    out << "\n           </brand>\n         </construction>";
}

constexpr const char *RoomClose = "\n      </room>";

// An item ahead of the first room lands outside any room element; the closing
// tag before each later room and after the last row keeps the old layout.
template <typename Out> void appendRows(Out &out, const QList<EstimateRow> &rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const EstimateRow &row = rows.at(i);
        if (row.isRoom()) {
            if (i > 0)
                out << RoomClose;
            appendRoom(out, row.room);
        } else if (row.isConstruct()) {
            appendItem(out, row.item);
        }
    }
    if (!rows.isEmpty())
        out << RoomClose;
}

template <typename Out>
auto compose(const ProjectInfo &info, const RateSettings &rates, const PageSettings &page,
             const QList<EstimateRow> &rows)
{
    Out out(ApproximateRowLength * (rows.size() + 1));
    out << "<?xml version='1.0' encoding='utf-8'?>\n<root>\n   <version>Quillary20161009</version>";
    appendHead(out, info);
    out << "\n   <Item>";
    appendRate(out, rates);
    appendPage(out, page);
    appendRows(out, rows);
    out << "\n   </Item>\n</root>";
    return out.take();
}

} // namespace

QString ComposeProjectText(const ProjectInfo &info, const RateSettings &rates, const PageSettings &page,
                           const QList<EstimateRow> &rows)
{
    return compose<TextOut>(info, rates, page, rows);
}

QByteArray ComposeProjectFile(const ProjectInfo &info, const RateSettings &rates, const PageSettings &page,
                              const QList<EstimateRow> &rows)
{
    return compose<FileOut>(info, rates, page, rows);
}

ProjectSaveResult SaveProjectFile(const QString &path, const ProjectInfo &info, const RateSettings &rates,
                                  const PageSettings &page, const QList<EstimateRow> &rows)
{
    const QByteArray bytes = ComposeProjectFile(info, rates, page, rows);
    QSaveFile file(path);
    const auto failed = [&](const QString &systemReason) {
        return ProjectSaveResult{false,
                                 QStringLiteral("无法保存文件 %1：%2")
                                     .arg(path, SaveFailure::reason(path, systemReason, bytes.size()))};
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {true, QString()};
}
