#include "quotalibrary.h"

#include "templateparser.h"
#include "templatetext.h"
#include "templatewriter.h"

#include "estimate/finitenumbers.h"
#include "estimate/projectbound.h"
#include "estimate/recordbudget.h"

namespace {

// Apostrophes are read as double quotes, so both quotings of an attribute work.
QString withDoubleQuotes(QString text)
{
    text.replace(u'\'', u'"');
    return text;
}

} // namespace

bool QuotaLibrary::withinRecordBudget(QStringView text)
{
    return RecordBudget::fits(text,
                              {{u"<project", 32}, {u"<construction", 192}, {u"<amount", 128}, {u"<mt", 64}});
}

QString QuotaLibrary::clearNonFiniteNumbers(QList<QuotaItem> &items)
{
    int cleared = 0;
    // An item whose amounts alone would leave the float range reads as 0 too.
    for (QuotaItem &item : items)
        cleared += FiniteNumbers::clear(item) + ProjectBound().admit(item.brand);
    return FiniteNumbers::notice(cleared);
}

bool QuotaLibrary::LoadTemplate(const QString &path, const QString &mainLibraryPath)
{
    const std::optional<QString> read = TemplateText::read(path);
    if (!read)
        return false;
    if (!read->contains(u"Plotwright") && !path.contains(u"Plotwright.xml"))
        return false;
    const QString text = withDoubleQuotes(*read);
    if (!text.contains(u"<project"))
        return false;
    m_readNotice.clear();
    if (!withinRecordBudget(text)) {
        m_readNotice = RecordBudget::refusalText();
        return false;
    }
    if (path == mainLibraryPath)
        m_mainLibraryText = *read;
    m_items = TemplateParser::readItems(text);
    m_readNotice = clearNonFiniteNumbers(m_items);
    m_canEditTemplate = TemplateParser::userMayEdit(text, m_currentUserName);
    return true;
}

bool QuotaLibrary::LoadTemplateItemsOnly(const QString &path, const QString &mainLibraryPath)
{
    const std::optional<QString> read = TemplateText::read(path);
    if (!read)
        return false;
    const QString text = withDoubleQuotes(*read);
    m_readNotice.clear();
    if (!withinRecordBudget(text)) {
        m_readNotice = RecordBudget::refusalText();
        return false;
    }
    if (path == mainLibraryPath)
        m_mainLibraryText = *read;
    m_items = TemplateParser::readItemsOnly(text);
    m_readNotice = clearNonFiniteNumbers(m_items);
    return true;
}

QString QuotaLibrary::templateText() const
{
    const bool locked = m_lockOnSave && !m_currentUserName.isEmpty();
    return TemplateWriter::text(m_items, locked ? m_currentUserName : QString());
}

bool QuotaLibrary::WriteTemplate(const QString &path, QString *error) const
{
    const bool locked = m_lockOnSave && !m_currentUserName.isEmpty();
    const QString refused = TemplateWriter::refusal(m_items, locked ? m_currentUserName : QString());
    if (!refused.isEmpty()) {
        if (error)
            *error = refused;
        return false;
    }
    return TemplateText::write(path, templateText(), error);
}

bool QuotaLibrary::writeBackMainLibrary(const QString &mainLibraryPath) const
{
    if (!m_mainLibraryWriteBack || m_mainLibraryText.size() <= 10)
        return true;
    return TemplateText::write(mainLibraryPath, m_mainLibraryText);
}
