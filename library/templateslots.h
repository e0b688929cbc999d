#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The nine template slots of the template file dialog and their paging. In
// save mode the slots list the template list from the page start with the
// files' times; in open mode the first slot is the current template and the
// others follow without it.
class TemplateSlots
{
public:
    enum class Mode { Save, Open };
    enum class Icon { MainLibrary, Plain, Locked, Current, CurrentLocked };

    struct Slot {
        QString path;
        qsizetype listIndex = -1; // the entry of the template list, -1 for none
        QString name;             // the display name
        QString text;
        Icon icon = Icon::Plain;
    };

    static constexpr int SlotCount = 9;
    static constexpr int MaxTimePadding = 20;

    explicit TemplateSlots(Mode mode) : m_mode(mode) {}

    // The file name without folder and without every ".oml" and ".xml";
    // "Verdalis定额库" for the main library.
    static QString displayName(const QString &path, qsizetype listIndex);

    QList<Slot> slotList(const QStringList &templateList, const QString &currentTemplatePath) const;
    bool hasNextPage(const QStringList &templateList, const QString &currentTemplatePath) const;
    void nextPage(const QStringList &templateList, const QString &currentTemplatePath);
    void previousPage();
    // Every new showing starts at the first page.
    void reset() { m_pageStart = 0; }
    qsizetype pageStart() const { return m_pageStart; }

private:
    struct Entry {
        QString path;
        qsizetype listIndex;
    };
    QList<Entry> pagedEntries(const QStringList &templateList, const QString &currentTemplatePath) const;
    qsizetype pageSize() const { return m_mode == Mode::Save ? SlotCount : SlotCount - 1; }
    static Icon fileIcon(const QString &path, bool current);
    static QString modifiedText(const QString &path);
    void addSaveTexts(QList<Slot> &list) const;

    Mode m_mode;
    qsizetype m_pageStart = 0;
};
