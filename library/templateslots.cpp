#include "templateslots.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

QString TemplateSlots::displayName(const QString &path, qsizetype listIndex)
{
    QString name = QFileInfo(path).fileName();
    name.remove(QStringLiteral(".oml")).remove(QStringLiteral(".xml"));
    if (listIndex == 0 && name == QStringLiteral("Plotwright"))
        return QStringLiteral("Verdalis定额库");
    return name;
}

QList<TemplateSlots::Entry> TemplateSlots::pagedEntries(const QStringList &templateList,
                                                        const QString &currentTemplatePath) const
{
    QList<Entry> entries;
    for (qsizetype i = 0; i < templateList.size(); ++i) {
        if (m_mode == Mode::Save || templateList.at(i) != currentTemplatePath)
            entries.append(Entry{templateList.at(i), i});
    }
    return entries;
}

QList<TemplateSlots::Slot> TemplateSlots::slotList(const QStringList &templateList,
                                               const QString &currentTemplatePath) const
{
    QList<Slot> list;
    if (m_mode == Mode::Open) {
        const qsizetype current = templateList.indexOf(currentTemplatePath);
        const QString name = displayName(currentTemplatePath, current);
        list.append(Slot{currentTemplatePath, current, name, name, fileIcon(currentTemplatePath, true)});
    }
    const QList<Entry> entries = pagedEntries(templateList, currentTemplatePath);
    for (qsizetype i = m_pageStart; i < entries.size() && i < m_pageStart + pageSize(); ++i) {
        const Entry &e = entries.at(i);
        const QString name = displayName(e.path, e.listIndex);
        list.append(Slot{e.path, e.listIndex, name, name, fileIcon(e.path, false)});
    }
    if (m_mode == Mode::Save) {
        if (!list.isEmpty())
            list.first().icon = Icon::MainLibrary;
        addSaveTexts(list);
    }
    return list;
}

void TemplateSlots::addSaveTexts(QList<Slot> &list) const
{
    qsizetype longest = 0;
    for (const Slot &slot : list)
        longest = std::max(longest, slot.name.size());
    // The times start in one column unless a name is far shorter than the longest.
    for (Slot &slot : list) {
        const qsizetype spaces = std::min<qsizetype>(longest + 7 - slot.name.size(), MaxTimePadding);
        slot.text = slot.name + QString(spaces, u' ') + modifiedText(slot.path);
    }
}

QString TemplateSlots::modifiedText(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

TemplateSlots::Icon TemplateSlots::fileIcon(const QString &path, bool current)
{
    const bool plain = path.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive);
    if (current)
        return plain ? Icon::Current : Icon::CurrentLocked;
    return plain ? Icon::Plain : Icon::Locked;
}

bool TemplateSlots::hasNextPage(const QStringList &templateList, const QString &currentTemplatePath) const
{
    return m_pageStart + pageSize() < pagedEntries(templateList, currentTemplatePath).size();
}

void TemplateSlots::nextPage(const QStringList &templateList, const QString &currentTemplatePath)
{
    if (hasNextPage(templateList, currentTemplatePath))
        m_pageStart += pageSize();
}

void TemplateSlots::previousPage()
{
    m_pageStart = std::max<qsizetype>(m_pageStart - pageSize(), 0);
}
