// Every concatenation below is sized once and appended once.
#define QT_USE_QSTRINGBUILDER

#include "projectfilewriter.h"

#include "projectfileencoding.h"

#include "estimate/numbertext.h"
#include "estimate/savefailure.h"

#include <QSaveFile>

namespace {

const QString LF = QStringLiteral("\n");

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

QString two(float v)
{
    return NumberText::fixed(double(v), 2);
}

QString three(float v)
{
    return NumberText::fixed(double(v), 3);
}

QString six(float v)
{
    return NumberText::fixed(double(v), 6);
}

// A rate fraction as the percent text of the file; the product is a float.
QString percent(float fraction)
{
    const float hundredths = fraction * 100.0f;
    return NumberText::fixed(double(hundredths), 2) + u'%';
}

void appendHead(QString &out, const ProjectInfo &info)
{
    const QString tabs(6, u'\t');
    out += LF + QStringLiteral("   <head>") + tabs;
    for (int i = 0; i < ProjectInfo::FieldCount; ++i) {
        const QString tag = ProjectInfo::fieldTag(i);
        out += LF + QStringLiteral("      <") + tag + QStringLiteral("> ") + headValue(info, i) +
               QStringLiteral(" </") + tag + u'>' + tabs;
    }
    out += LF + QStringLiteral("   </head>");
}

void appendRate(QString &out, const RateSettings &rates)
{
    out += LF + QStringLiteral("      <rate ");
    const QString q = QStringLiteral("\"");
    out += QStringLiteral("Profit=\"") +
           (rates.profitEnabled ? rates.mainProfit + q + u' ' : QStringLiteral("0\""));
    out += QStringLiteral(" Loss=\"") + (rates.lossEnabled ? rates.loss : QStringLiteral("0")) + q;
    out += QStringLiteral(" Tax=\"") + (rates.taxEnabled ? rates.tax : QStringLiteral("0")) + q;
    out += QStringLiteral("/>");
}

void appendPageLine(QString &out, const QString &tag, const QString &value)
{
    out += LF + u'<' + tag + u'>' + value + QStringLiteral("</") + tag + u'>';
}

void appendPage(QString &out, const PageSettings &page)
{
    out += LF + QStringLiteral("<page>");
    appendPageLine(out, QStringLiteral("pagesize"), page.pagesize);
    appendPageLine(out, QStringLiteral("pageorientation"), page.pageorientation);
    appendPageLine(out, QStringLiteral("pagemarginleft"), page.pagemarginleft);
    appendPageLine(out, QStringLiteral("pagemarginright"), page.pagemarginright);
    appendPageLine(out, QStringLiteral("pagemargintop"), page.pagemargintop);
    appendPageLine(out, QStringLiteral("pagemarginbottom"), page.pagemarginbottom);
    out += LF + QStringLiteral("</page>");
}

// Values are concatenated, never substituted, so a value holding "%1" stays as it is.
void appendOpening(QString &out, const QString &element, const QString &nameKey, const Opening &o)
{
    out += LF + QString(11, u' ') + u'<' + element + u' ' + nameKey + QStringLiteral("=\"") + o.name +
           QStringLiteral("\" long=\"") + two(o.long_) + QStringLiteral("\" width=\"") + two(o.width) +
           QStringLiteral("\" />");
}

void appendRoom(QString &out, const RoomData &room)
{
    out += LF + QStringLiteral("      <room name=\"") + room.name + QStringLiteral("\" long=\"") +
           two(room.long_) + QStringLiteral("\" width=\"") + two(room.width) +
           QStringLiteral("\" height=\"") + two(room.height) + QStringLiteral("\" checkType=\"") +
           QString::number(room.checkType) + QStringLiteral("\">");
    for (const Opening &door : room.doors)
        appendOpening(out, QStringLiteral("door"), QStringLiteral("doorName"), door);
    for (const Opening &window : room.windows)
        appendOpening(out, QStringLiteral("window"), QStringLiteral("windowName"), window);
}

void appendBrandStart(QString &out, const BrandData &b)
{
    out += LF + QString(11, u' ') + QStringLiteral("<brand unit=\"") + b.unit + QStringLiteral("\" num=\"") +
           three(b.num) + QStringLiteral("\"  loss=\"") + percent(b.loss) + QStringLiteral("\" material=\"") +
           three(b.material) + QStringLiteral("\" materialprofit=\"") + percent(b.materialprofit) +
           QStringLiteral("\" machine=\"") + three(b.machine) + QStringLiteral("\" machineprofit=\"") +
           percent(b.machineprofit) + QStringLiteral("\" laborcost=\"") + three(b.laborcost) +
           QStringLiteral("\" laborprofit=\"") + percent(b.laborprofit) + QStringLiteral("\" management=\"") +
           three(b.management) + QStringLiteral("\" managementprofit=\"") + percent(b.managementprofit) +
           QStringLiteral("\" tax=\"") + percent(b.tax) + QStringLiteral("\">");
}

// The kind attribute says which list the line was in, not what the line says.
void appendMtLine(QString &out, QChar listKind, const MtLine &m)
{
    out += LF + QString(13, u' ') + QStringLiteral("<mt kind=\"") + listKind + QStringLiteral("\" id=\"") +
           m.id + QStringLiteral("\" name=\"") + m.name + QStringLiteral("\" classify=\"") + m.classify +
           QStringLiteral("\" code=\"") + m.code + QStringLiteral("\" unit=\"") + m.unit +
           QStringLiteral("\" price=\"") + six(m.price) + QStringLiteral("\" num=\"") + six(m.num) +
           QStringLiteral("\" desc=\"") + m.desc + QStringLiteral("\" />");
}

void appendItem(QString &out, const ConstructItem &item)
{
    out += LF + QString(9, u' ') + QStringLiteral("<construction name=\"") + item.itemName +
           QStringLiteral("\" desc=\"") + item.itemDesc + QStringLiteral("\" kind=\"") + item.categoryKind +
           QStringLiteral("\">");
    appendBrandStart(out, item.brand);
    for (const MtLine &m : item.brand.materials)
        appendMtLine(out, u'0', m);
    for (const MtLine &m : item.brand.machines)
        appendMtLine(out, u'1', m);
    out += LF + QString(11, u' ') + QStringLiteral("</brand>") + LF + QString(9, u' ') +
           QStringLiteral("</construction>");
}

const QString RoomClose = QStringLiteral("\n      </room>");

// An item ahead of the first room lands outside any room element; the closing
// tag before each later room and after the last row keeps the old layout.
void appendRows(QString &out, const QList<EstimateRow> &rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const EstimateRow &row = rows.at(i);
        if (row.isRoom()) {
            if (i > 0)
                out += RoomClose;
            appendRoom(out, row.room);
        } else if (row.isConstruct()) {
            appendItem(out, row.item);
        }
    }
    if (!rows.isEmpty())
        out += RoomClose;
}

} // namespace

QString ComposeProjectText(const ProjectInfo &info, const RateSettings &rates, const PageSettings &page,
                           const QList<EstimateRow> &rows)
{
    QString out;
    out.reserve(ApproximateRowLength * rows.size());
    out += QStringLiteral("<?xml version='1.0' encoding='utf-8'?>\n<root>\n"
                          "   <version>Quillary20161009</version>");
    appendHead(out, info);
    out += LF + QStringLiteral("   <Item>");
    appendRate(out, rates);
    appendPage(out, page);
    appendRows(out, rows);
    out += LF + QStringLiteral("   </Item>");
    out += LF + QStringLiteral("</root>");
    return out;
}

QByteArray ComposeProjectFile(const ProjectInfo &info, const RateSettings &rates, const PageSettings &page,
                              const QList<EstimateRow> &rows)
{
    return ProjectFileEncoding::encode(ComposeProjectText(info, rates, page, rows));
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
