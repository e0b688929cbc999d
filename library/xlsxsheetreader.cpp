#include "xlsxsheetreader.h"

#include "sheetlimits.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <pugixml.hpp>
#include <zip.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace {

struct ZipCloser {
    void operator()(zip_t *zip) const { zip_discard(zip); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// Part names compare by the local name: some writers prefix every element.
bool named(const char *name, const char *local)
{
    const char *colon = std::strrchr(name, ':');
    return std::strcmp(colon ? colon + 1 : name, local) == 0;
}

pugi::xml_node childNamed(const pugi::xml_node &parent, const char *local)
{
    for (const pugi::xml_node &n : parent.children()) {
        if (named(n.name(), local))
            return n;
    }
    return {};
}

QString attribute(const pugi::xml_node &node, const char *local)
{
    for (const pugi::xml_attribute &a : node.attributes()) {
        if (named(a.name(), local))
            return QString::fromUtf8(a.value());
    }
    return {};
}

// A missing part gives nothing with an empty `error`; a broken or oversized one sets it.
std::optional<QByteArray> readPart(zip_t *zip, const QString &name, QString *error)
{
    const zip_int64_t index = zip_name_locate(zip, name.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        return std::nullopt;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, zip_uint64_t(index), 0, &stat) != 0 ||
        ((stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(SheetLimits::MaxBytes))) {
        *error = QStringLiteral("文件中的部件 %1 过大或已损坏").arg(name);
        return std::nullopt;
    }
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(zip, zip_uint64_t(index), 0));
    QByteArray data;
    char buffer[65536];
    for (zip_int64_t n = file ? 1 : -1; n != 0;) {
        n = file ? zip_fread(file.get(), buffer, sizeof buffer) : -1;
        // The stored size may lie: the cap holds for what actually comes out.
        if (n < 0 || data.size() + n > SheetLimits::MaxBytes) {
            *error = QStringLiteral("文件中的部件 %1 过大或已损坏").arg(name);
            return std::nullopt;
        }
        data.append(buffer, qsizetype(n));
    }
    // Every element and attribute costs the parser tens of bytes: millions of
    // empty cells or strings in a small archive would take gigabytes.
    if (data.count('<') + data.count('=') > SheetLimits::MaxXmlNodes) {
        *error = QStringLiteral("文件中的部件 %1 过大或已损坏").arg(name);
        return std::nullopt;
    }
    return data;
}

bool parseXml(pugi::xml_document &doc, const QByteArray &xml)
{
    return bool(doc.load_buffer(xml.constData(), size_t(xml.size()),
                                pugi::parse_default | pugi::parse_ws_pcdata_single, pugi::encoding_auto));
}

struct Relationship {
    QString id;
    QString type;
    QString target;
};

QList<Relationship> relationships(const QByteArray &xml)
{
    QList<Relationship> out;
    pugi::xml_document doc;
    if (!parseXml(doc, xml))
        return out;
    for (const pugi::xml_node &n : doc.document_element().children()) {
        if (named(n.name(), "Relationship"))
            out.append({attribute(n, "Id"), attribute(n, "Type"), attribute(n, "Target")});
    }
    return out;
}

// A relationship target relative to the folder of its source part, with "." and ".." resolved.
QString resolvePart(const QString &folder, const QString &target)
{
    const QString joined = target.startsWith(u'/') ? target : folder + target;
    QStringList parts;
    for (const QString &p : joined.split(u'/', Qt::SkipEmptyParts)) {
        if (p == QLatin1String(".."))
            parts.isEmpty() ? void() : parts.removeLast();
        else if (p != QLatin1String("."))
            parts.append(p);
    }
    return parts.join(u'/');
}

QString folderOf(const QString &part)
{
    return part.left(part.lastIndexOf(u'/') + 1);
}

// Text of a shared or inline string: plain <t>, or the <t> of every rich-text run.
QString runText(const pugi::xml_node &node)
{
    QString text;
    for (const pugi::xml_node &n : node.children()) {
        if (named(n.name(), "t"))
            text += QString::fromUtf8(n.text().get());
        else if (named(n.name(), "r"))
            text += QString::fromUtf8(childNamed(n, "t").text().get());
    }
    return text;
}

std::optional<QStringList> sharedStrings(const QByteArray &xml)
{
    pugi::xml_document doc;
    if (!parseXml(doc, xml))
        return std::nullopt;
    QStringList strings;
    for (const pugi::xml_node &n : doc.document_element().children()) {
        if (named(n.name(), "si"))
            strings.append(runText(n));
    }
    return strings;
}

// Column (from 0) of a reference such as "AB12"; nothing when it is not one.
std::optional<int> referenceColumn(const QString &ref)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < ref.size() && i < 3; ++i) {
        const char letter = ref.at(i).toUpper().toLatin1();
        if (letter < 'A' || letter > 'Z')
            break;
        column = column * 26 + (letter - 'A' + 1);
    }
    if (i == 0 || column > 16384 || column < 1)
        return std::nullopt;
    for (qsizetype j = i; j < ref.size(); ++j) {
        if (!ref.at(j).isDigit())
            return std::nullopt;
    }
    return column - 1;
}

struct CellRead {
    std::optional<SheetCell> cell;
    QString error;
};

CellRead readCell(const pugi::xml_node &c, const QStringList &strings, int column)
{
    const QString type = attribute(c, "t");
    const QString value = QString::fromUtf8(childNamed(c, "v").text().get()).trimmed();
    SheetCell cell{column, false, value};
    if (type == QLatin1String("s")) {
        bool ok = false;
        const qsizetype index = value.toLongLong(&ok);
        if (!ok || index < 0 || index >= strings.size())
            return {std::nullopt, QStringLiteral("共享字符串编号无效")};
        cell.text = strings.at(index);
    } else if (type == QLatin1String("inlineStr")) {
        cell.text = runText(childNamed(c, "is"));
    } else if (type.isEmpty() || type == QLatin1String("n")) {
        cell.isNumber = true;
    }
    if (cell.text.trimmed().isEmpty())
        return {};
    return {cell, {}};
}

std::optional<QList<SheetCell>> rowCells(const pugi::xml_node &row, const QStringList &strings,
                                         QString *error)
{
    QList<SheetCell> cells;
    int nextColumn = 0;
    for (const pugi::xml_node &c : row.children()) {
        if (!named(c.name(), "c"))
            continue;
        const QString ref = attribute(c, "r");
        const std::optional<int> column =
            ref.isEmpty() ? std::optional<int>(nextColumn) : referenceColumn(ref);
        if (!column) {
            *error = QStringLiteral("单元格引用“%1”无效").arg(ref.left(20));
            return std::nullopt;
        }
        nextColumn = *column + 1;
        if (*column >= SheetLimits::MaxColumns)
            continue;
        CellRead read = readCell(c, strings, *column);
        if (!read.error.isEmpty()) {
            *error = read.error;
            return std::nullopt;
        }
        if (read.cell)
            cells.append(*read.cell);
    }
    std::stable_sort(cells.begin(), cells.end(),
                     [](const SheetCell &a, const SheetCell &b) { return a.column < b.column; });
    return cells;
}

SheetReadResult sheetRows(const QByteArray &xml, const QStringList &strings)
{
    pugi::xml_document doc;
    if (!parseXml(doc, xml))
        return SheetReadResult::failure(QStringLiteral("工作表内容已损坏"));
    SheetReadResult result;
    int previous = 0;
    for (const pugi::xml_node &row : childNamed(doc.document_element(), "sheetData").children()) {
        if (!named(row.name(), "row"))
            continue;
        const QString r = attribute(row, "r");
        bool ok = true;
        const int number = r.isEmpty() ? previous + 1 : r.toInt(&ok);
        // Rows come in ascending order; anything else is a damaged sheet.
        if (!ok || number <= previous || number > SheetLimits::MaxRows)
            return SheetReadResult::failure(QStringLiteral("工作表的行号“%1”无效").arg(r.left(20)));
        previous = number;
        QString error;
        std::optional<QList<SheetCell>> cells = rowCells(row, strings, &error);
        if (!cells)
            return SheetReadResult::failure(QStringLiteral("第%1行：%2").arg(number).arg(error));
        if (!cells->isEmpty())
            result.rows.append({number, *cells});
    }
    return result;
}

struct Parts {
    QString sheet;
    QString sharedStrings;
};

// The first sheet of the workbook in tab order, and the shared-string part.
std::optional<Parts> locateParts(zip_t *zip, QString *error)
{
    QString workbook = QStringLiteral("xl/workbook.xml");
    if (const std::optional<QByteArray> rels = readPart(zip, QStringLiteral("_rels/.rels"), error)) {
        for (const Relationship &r : relationships(*rels)) {
            if (r.type.endsWith(QLatin1String("/officeDocument")))
                workbook = resolvePart(QString(), r.target);
        }
    }
    const std::optional<QByteArray> book = readPart(zip, workbook, error);
    const QString relsPath = folderOf(workbook) + QStringLiteral("_rels/") +
                             workbook.mid(folderOf(workbook).size()) + QStringLiteral(".rels");
    const std::optional<QByteArray> bookRels = book ? readPart(zip, relsPath, error) : std::nullopt;
    if (!error->isEmpty() || !book || !bookRels)
        return std::nullopt;
    pugi::xml_document doc;
    if (!parseXml(doc, *book))
        return std::nullopt;
    const QString sheetId =
        attribute(childNamed(childNamed(doc.document_element(), "sheets"), "sheet"), "id");
    Parts parts;
    for (const Relationship &r : relationships(*bookRels)) {
        if (!sheetId.isEmpty() && r.id == sheetId)
            parts.sheet = resolvePart(folderOf(workbook), r.target);
        else if (r.type.endsWith(QLatin1String("/sharedStrings")))
            parts.sharedStrings = resolvePart(folderOf(workbook), r.target);
    }
    if (parts.sheet.isEmpty())
        return std::nullopt;
    return parts;
}

SheetReadResult readArchive(zip_t *zip)
{
    QString error;
    const std::optional<Parts> parts = locateParts(zip, &error);
    if (!parts)
        return SheetReadResult::failure(error.isEmpty() ? QStringLiteral("文件中找不到工作表") : error);
    QStringList strings;
    if (!parts->sharedStrings.isEmpty()) {
        const std::optional<QByteArray> xml = readPart(zip, parts->sharedStrings, &error);
        const std::optional<QStringList> list = xml ? sharedStrings(*xml) : std::nullopt;
        if (!error.isEmpty() || (xml && !list))
            return SheetReadResult::failure(error.isEmpty() ? QStringLiteral("共享字符串已损坏") : error);
        strings = list.value_or(QStringList());
    }
    const std::optional<QByteArray> sheet = readPart(zip, parts->sheet, &error);
    if (!sheet)
        return SheetReadResult::failure(error.isEmpty() ? QStringLiteral("文件中找不到工作表") : error);
    return sheetRows(*sheet, strings);
}

} // namespace

SheetReadResult XlsxSheetReader::read(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return SheetReadResult::failure(QStringLiteral("无法打开文件"));
    if (file.size() > SheetLimits::MaxBytes)
        return SheetReadResult::failure(QStringLiteral("文件过大"));
    return readBytes(file.readAll());
}

SheetReadResult XlsxSheetReader::readSheetXml(const QByteArray &sheet, const QByteArray &sharedStringsXml)
{
    // The same caps as for parts read from an archive.
    for (const QByteArray *part : {&sheet, &sharedStringsXml}) {
        if (part->size() > SheetLimits::MaxBytes ||
            part->count('<') + part->count('=') > SheetLimits::MaxXmlNodes)
            return SheetReadResult::failure(QStringLiteral("文件过大或已损坏"));
    }
    QStringList strings;
    if (!sharedStringsXml.isEmpty()) {
        const std::optional<QStringList> list = sharedStrings(sharedStringsXml);
        if (!list)
            return SheetReadResult::failure(QStringLiteral("共享字符串已损坏"));
        strings = *list;
    }
    return sheetRows(sheet, strings);
}

SheetReadResult XlsxSheetReader::readBytes(const QByteArray &bytes)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t *source =
        zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &zipError);
    ZipHandle zip(source ? zip_open_from_source(source, ZIP_RDONLY, &zipError) : nullptr);
    zip_error_fini(&zipError);
    if (!zip) {
        if (source)
            zip_source_free(source);
        return SheetReadResult::failure(QStringLiteral("不是有效的 Excel 文件（.xlsx）"));
    }
    return readArchive(zip.get());
}
