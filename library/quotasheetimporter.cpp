#include "quotasheetimporter.h"

#include "quotalibrary.h"
#include "xlssheetreader.h"
#include "xlsxsheetreader.h"

#include "estimate/filetextrule.h"
#include "estimate/numbertext.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

using Layout = QuotaSheetLayout;

// The whole text is one decimal number (a trailing "%" is allowed and ignored).
bool isNumberText(QString text)
{
    if (text.endsWith(u'%'))
        text.chop(1);
    if (text.startsWith(u'+'))
        text.remove(0, 1);
    const QByteArray digits = text.trimmed().toLatin1();
    // Only plain decimal notation: from_chars alone would also take "inf" and "nan".
    if (digits.isEmpty() || text.trimmed().size() != digits.size() ||
        digits.size() != qsizetype(std::strspn(digits.constData(), "0123456789.eE-+")))
        return false;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
    return ec == std::errc() && end == digits.constData() + digits.size();
}

bool isWhole(float v)
{
    return std::floor(v) == v;
}

// The rule fills the same derived fields a template reader would.
void indexRules(QuotaItem &item)
{
    item.ruleIndexByKind.fill(NoRuleIndex);
    item.currentRule = AmountRule();
    for (qsizetype i = 0; i < item.rules.size(); ++i) {
        AmountRule &rule = item.rules[i];
        const float serial = rule.serial;
        if (serial >= 1.0f && serial <= 7.0f && isWhole(serial)) {
            if (rule.RoomName.isEmpty())
                rule.RoomName = roomKindName(int(serial));
            item.ruleIndexByKind[size_t(serial)] = float(i);
        } else if (serial == 0.0f) {
            item.ruleIndexByKind[0] = float(i);
            item.currentRule = rule;
        }
    }
}

enum class SheetKind { Xlsx, Xls, Other };

SheetKind sniff(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SheetKind::Other;
    const QByteArray head = file.read(8);
    if (head.startsWith("PK\x03\x04"))
        return SheetKind::Xlsx;
    if (head == QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
        return SheetKind::Xls;
    return SheetKind::Other;
}

} // namespace

QuotaSheetImport QuotaSheetImporter::readFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {{}, QStringLiteral("文件不存在,请输入正确的文件名")};
    SheetReadResult sheet;
    switch (sniff(path)) {
    case SheetKind::Xlsx:
        sheet = XlsxSheetReader::read(path);
        break;
    case SheetKind::Xls:
        sheet = XlsSheetReader::read(path);
        break;
    case SheetKind::Other:
        return {{}, QStringLiteral("不是 Excel 文件（.xlsx 或 .xls）")};
    }
    if (!sheet.ok())
        return {{}, sheet.error};
    return readRows(sheet.rows);
}

QuotaSheetImport QuotaSheetImporter::readRows(const QList<SheetRow> &rows)
{
    if (rows.isEmpty())
        return {{}, QStringLiteral("表格为空：第一行应为表头")};
    QuotaSheetImporter importer;
    bool ok = importer.readHeader(rows.first());
    for (qsizetype i = 1; ok && i < rows.size(); ++i)
        ok = importer.readDataRow(rows.at(i));
    if (ok && importer.m_items.isEmpty())
        return {{}, QStringLiteral("表格中没有施工项目：表头下面至少要有一行项目")};
    if (!ok)
        return {{}, importer.m_error};
    for (qsizetype i = 0; i < importer.m_items.size(); ++i) {
        QuotaItem &item = importer.m_items[i];
        indexRules(item);
        importer.m_statedPrices.at(i).applyTo(item.brand);
    }
    return {importer.m_items, {}};
}

bool QuotaSheetImporter::writeTemplate(const QString &sheetPath, const QString &templatePath, QString *error)
{
    const QuotaSheetImport read = readFile(sheetPath);
    if (!read.ok()) {
        *error = read.error;
        return false;
    }
    QuotaLibrary library;
    library.setItems(read.items);
    return library.WriteTemplate(templatePath, error);
}

bool QuotaSheetImporter::readHeader(const SheetRow &row)
{
    m_sheetColumn.fill(-1);
    for (const SheetCell &c : row.cells) {
        const QString name = Layout::normalizedHeader(c.text);
        for (int k = 0; k < Layout::ColumnCount; ++k) {
            if (name != Layout::normalizedHeader(Layout::header(Column(k))))
                continue;
            if (m_sheetColumn[k] >= 0) {
                m_error = QStringLiteral("第%1行 %2列：表头“%3”重复")
                              .arg(row.number)
                              .arg(Layout::columnLetters(c.column), Layout::header(Column(k)));
                return false;
            }
            m_sheetColumn[k] = c.column;
        }
    }
    const bool anyRule = [this] {
        for (int k = Layout::RuleSerial; k <= Layout::RuleConstant; ++k) {
            if (m_sheetColumn[k] >= 0)
                return true;
        }
        return false;
    }();
    for (int k = 0; k < Layout::ColumnCount; ++k) {
        const bool needed = Layout::isRequired(Column(k)) || (anyRule && k == Layout::RuleSerial);
        if (needed && m_sheetColumn[k] < 0) {
            m_error = QStringLiteral("第%1行：缺少表头“%2”（第一行应为表头）")
                          .arg(row.number)
                          .arg(Layout::header(Column(k)));
            return false;
        }
    }
    return true;
}

bool QuotaSheetImporter::readDataRow(const SheetRow &row)
{
    const bool isEmpty = !hasAny(row, Layout::isItemColumn) && !hasAny(row, Layout::isLineColumn) &&
                         !hasAny(row, Layout::isRuleColumn);
    if (isEmpty)
        return true;
    const bool startsItem = cell(row, Layout::ItemName) && (m_items.isEmpty() || !repeatsCurrentItem(row));
    if (!(startsItem ? startItem(row) : continueItem(row)))
        return false;
    return readResource(row) && readRule(row);
}

bool QuotaSheetImporter::startItem(const SheetRow &row)
{
    QuotaItem item;
    const std::optional<QString> category = text(row, Layout::CategoryName);
    const std::optional<QString> kind = text(row, Layout::CategoryKind);
    const std::optional<QString> name = text(row, Layout::ItemName);
    const std::optional<QString> unit = text(row, Layout::Unit);
    const std::optional<QString> desc = text(row, Layout::ItemDesc);
    if (!category || !kind || !name || !unit || !desc)
        return false;
    if (category->isEmpty() && m_items.isEmpty())
        return fail(row, Layout::CategoryName, QStringLiteral("第一个项目须填写分类名称"));
    // Items without a category of their own stay in the category above them.
    const QuotaItem *previous = m_items.isEmpty() ? nullptr : &m_items.last();
    item.categoryName = category->isEmpty() ? previous->categoryName : *category;
    item.categoryKind = !kind->isEmpty() ? *kind : category->isEmpty() ? previous->categoryKind : *category;
    item.itemName = *name;
    item.itemDesc = *desc;
    item.brand.unit = *unit;
    if (!readBrand(row, item.brand))
        return false;
    const std::optional<StatedPrices> stated = readStatedPrices(row);
    if (!stated)
        return false;
    m_items.append(item);
    m_statedPrices.append(*stated);
    m_itemRow = row;
    return true;
}

bool QuotaSheetImporter::readBrand(const SheetRow &row, BrandData &b)
{
    const std::optional<float> num = number(row, Layout::Num, 1.0f);
    if (num && *num <= 0.0f)
        return fail(row, Layout::Num, QStringLiteral("工程量应大于0（留空即为1）"));
    const std::optional<float> values[] = {number(row, Layout::Loss, 0.0f),
                                           number(row, Layout::LaborCost, 0.0f),
                                           number(row, Layout::LaborProfit, 0.0f),
                                           number(row, Layout::Management, 0.0f),
                                           number(row, Layout::ManagementProfit, 0.0f),
                                           number(row, Layout::MaterialProfit, 0.0f),
                                           number(row, Layout::MachineProfit, 0.0f)};
    for (const std::optional<float> &v : values) {
        if (!v)
            return false;
    }
    if (!num)
        return false;
    // Rates are typed as percentages and held as fractions, as a template stores them.
    b.num = *num;
    b.loss = *values[0] / 100.0f;
    b.laborcost = *values[1];
    b.laborprofit = *values[2] / 100.0f;
    b.management = *values[3];
    b.managementprofit = *values[4] / 100.0f;
    b.materialprofit = *values[5] / 100.0f;
    b.machineprofit = *values[6] / 100.0f;
    return true;
}

std::optional<QuotaSheetImporter::StatedPrices> QuotaSheetImporter::readStatedPrices(const SheetRow &row)
{
    StatedPrices stated;
    const Column columns[] = {Layout::MaterialPrice, Layout::MachinePrice};
    std::optional<float> *targets[] = {&stated.material, &stated.machine};
    for (size_t i = 0; i < std::size(columns); ++i) {
        if (!cell(row, columns[i]))
            continue;
        const std::optional<float> v = number(row, columns[i], 0.0f);
        if (!v)
            return std::nullopt;
        *targets[i] = v;
    }
    return stated;
}

void QuotaSheetImporter::StatedPrices::applyTo(BrandData &brand) const
{
    if (material)
        brand.material = *material;
    if (machine)
        brand.machine = *machine;
}

bool QuotaSheetImporter::continueItem(const SheetRow &row)
{
    if (m_items.isEmpty())
        return fail(row, Layout::ItemName, QStringLiteral("项目名称为空：第一行项目须填写项目名称"));
    for (int k = 0; k < Layout::ColumnCount; ++k) {
        if (!Layout::isItemColumn(Column(k)))
            continue;
        const SheetCell *c = cell(row, Column(k));
        const SheetCell *first = cell(m_itemRow, Column(k));
        if (c && (!first || c->text.trimmed() != first->text.trimmed()))
            return fail(row, Column(k),
                        QStringLiteral("项目名称为空的行是上一项目的续行，此格应留空或与第%1行相同")
                            .arg(m_itemRow.number));
    }
    return true;
}

bool QuotaSheetImporter::repeatsCurrentItem(const SheetRow &row) const
{
    for (int k = 0; k < Layout::ColumnCount; ++k) {
        if (!Layout::isItemColumn(Column(k)))
            continue;
        const SheetCell *c = cell(row, Column(k));
        const SheetCell *first = cell(m_itemRow, Column(k));
        if (c && (!first || c->text.trimmed() != first->text.trimmed()))
            return false;
    }
    return true;
}

bool QuotaSheetImporter::readResource(const SheetRow &row)
{
    if (!hasAny(row, Layout::isLineColumn))
        return true;
    const std::optional<QString> type = text(row, Layout::LineType);
    if (!type)
        return false;
    const bool machine = *type == Layout::machineType();
    if (!machine && *type != Layout::materialType())
        return fail(row, Layout::LineType,
                    type->isEmpty() ? QStringLiteral("资源类型为空：应为“材料”或“机械”")
                                    : QStringLiteral("资源类型“%1”未知：应为“材料”或“机械”").arg(*type));
    MtLine line;
    line.kind = machine ? QStringLiteral("1") : QStringLiteral("0");
    const std::optional<QString> texts[] = {text(row, Layout::LineName), text(row, Layout::LineId),
                                            text(row, Layout::LineCode), text(row, Layout::LineClassify),
                                            text(row, Layout::LineUnit), text(row, Layout::LineDesc)};
    const std::optional<float> price = number(row, Layout::LinePrice, 0.0f);
    const std::optional<float> num = price ? number(row, Layout::LineNum, 0.0f) : std::nullopt;
    for (const std::optional<QString> &t : texts) {
        if (!t)
            return false;
    }
    if (!num)
        return false;
    if (texts[0]->isEmpty())
        return fail(row, Layout::LineName, QStringLiteral("资源名称为空"));
    // The template decides material or machine by the class alone, so the two must agree.
    QString classify = *texts[3];
    if (machine && classify.isEmpty())
        classify = Layout::machineType();
    if (machine != (classify == Layout::machineType()))
        return fail(row, Layout::LineClassify,
                    machine ? QStringLiteral("机械的资源分类应为“机械”或留空")
                            : QStringLiteral("材料的资源分类不能是“机械”"));
    line.name = *texts[0];
    line.id = *texts[1];
    line.code = *texts[2];
    line.classify = classify;
    line.unit = *texts[4];
    line.desc = *texts[5];
    line.price = *price;
    line.num = *num;
    BrandData &brand = m_items.last().brand;
    if (machine) {
        brand.machines.append(line);
        brand.machine = brand.machine + line.num * line.price;
    } else {
        brand.materials.append(line);
        brand.material = brand.material + line.num * line.price;
    }
    return true;
}

bool QuotaSheetImporter::readRule(const SheetRow &row)
{
    if (!hasAny(row, Layout::isRuleColumn))
        return true;
    if (!cell(row, Layout::RuleSerial))
        return fail(row, Layout::RuleSerial, QStringLiteral("规则编号为空：填写了规则的行须有规则编号"));
    AmountRule rule;
    float *numbers[] = {&rule.serial,        &rule.bDefault,  &rule.Area,      &rule.LaterArea,
                        &rule.WindowArea,    &rule.DoorArea,  &rule.perimeter, &rule.WindowPerimeter,
                        &rule.DoorPerimeter, &rule.length,    &rule.width,     &rule.DoorWidth,
                        &rule.height,        &rule.DoorCount, &rule.constant};
    const Column columns[] = {Layout::RuleSerial,    Layout::RuleDefault,         Layout::RuleArea,
                              Layout::RuleLaterArea, Layout::RuleWindowArea,      Layout::RuleDoorArea,
                              Layout::RulePerimeter, Layout::RuleWindowPerimeter, Layout::RuleDoorPerimeter,
                              Layout::RuleLength,    Layout::RuleWidth,           Layout::RuleDoorWidth,
                              Layout::RuleHeight,    Layout::RuleDoorCount,       Layout::RuleConstant};
    for (size_t i = 0; i < std::size(columns); ++i) {
        const std::optional<float> v = number(row, columns[i], 0.0f);
        if (!v)
            return false;
        if (i < 2 && !isWhole(*v))
            return fail(row, columns[i], QStringLiteral("应为整数"));
        *numbers[i] = *v;
    }
    const std::optional<QString> roomName = text(row, Layout::RuleRoomName);
    if (!roomName)
        return false;
    rule.RoomName = *roomName;
    m_items.last().rules.append(rule);
    return true;
}

bool QuotaSheetImporter::hasAny(const SheetRow &row, bool (*inGroup)(Column)) const
{
    for (int k = 0; k < Layout::ColumnCount; ++k) {
        const SheetCell *c = inGroup(Column(k)) ? cell(row, Column(k)) : nullptr;
        if (c)
            return true;
    }
    return false;
}

const SheetCell *QuotaSheetImporter::cell(const SheetRow &row, Column column) const
{
    const SheetCell *c = m_sheetColumn[column] < 0 ? nullptr : row.cell(m_sheetColumn[column]);
    return c && !c->text.trimmed().isEmpty() ? c : nullptr;
}

std::optional<QString> QuotaSheetImporter::text(const SheetRow &row, Column column)
{
    const SheetCell *c = cell(row, column);
    const QString value = c ? c->text.trimmed() : QString();
    // The template would give back another text, or another field's value.
    const QString refused = FileTextRule::refusal(value);
    if (!refused.isEmpty()) {
        fail(row, column, refused);
        return std::nullopt;
    }
    return value;
}

std::optional<float> QuotaSheetImporter::number(const SheetRow &row, Column column, float empty)
{
    const SheetCell *c = cell(row, column);
    if (!c)
        return empty;
    const QString value = c->text.trimmed();
    if (!isNumberText(value)) {
        fail(row, column, QStringLiteral("应为数字，而不是“%1”").arg(value.left(40)));
        return std::nullopt;
    }
    const float v = NumberText::leadingFloat(value);
    if (!std::isfinite(v)) {
        fail(row, column, QStringLiteral("数值“%1”超出范围").arg(value.left(40)));
        return std::nullopt;
    }
    return v;
}

bool QuotaSheetImporter::fail(const SheetRow &row, Column column, const QString &message)
{
    m_error = QStringLiteral("第%1行 %2列（%3）：%4")
                  .arg(row.number)
                  .arg(Layout::columnLetters(m_sheetColumn[column]), Layout::header(column), message);
    // The reason is one line, whatever the cell held.
    m_error.replace(u'\n', u' ').replace(u'\r', u' ');
    return false;
}
