#pragma once

#include "quotaitem.h"

#include <QList>
#include <QString>

// The library state of the running application: the items of the current
// template, who may edit it, and the main library text kept for writing back
// at exit. The template list and the selection belong to the settings record
// and are passed in where they matter.
class QuotaLibrary
{
public:
    // Full read. True when the file was accepted and read; false leaves every
    // part of the library as it was. `mainLibraryPath` is entry 0 of the
    // template list: reading that file keeps its text for the write-back.
    bool LoadTemplate(const QString &path, const QString &mainLibraryPath);
    // Reduced read used when the main library replaces a deleted current
    // template: no acceptance test, no permission change, no rules. False only
    // when the file cannot be read (the library is then unchanged).
    bool LoadTemplateItemsOnly(const QString &path, const QString &mainLibraryPath);
    // Writes the item list, with the owner line when locking is on and someone
    // is signed in. False (with a reason in `error`) when the file could not be replaced.
    bool WriteTemplate(const QString &path, QString *error = nullptr) const;
    // The template text WriteTemplate would write (LF line ends, no mark).
    QString templateText() const;

    // Writes the kept main library text back when marked and longer than 10
    // characters. False only when a needed write failed.
    bool writeBackMainLibrary(const QString &mainLibraryPath) const;

    QList<QuotaItem> &items() { return m_items; }
    const QList<QuotaItem> &items() const { return m_items; }
    void setItems(const QList<QuotaItem> &items) { m_items = items; }

    bool canEditTemplate() const { return m_canEditTemplate; }
    bool lockOnSave() const { return m_lockOnSave; }
    void setLockOnSave(bool on) { m_lockOnSave = on; }
    const QString &currentUserName() const { return m_currentUserName; }
    void setCurrentUserName(const QString &name) { m_currentUserName = name; }

    // After a read: why it was refused ("文件过大或已损坏"), or what was
    // changed in reading (numbers beyond float range read as 0); empty otherwise.
    const QString &readNotice() const { return m_readNotice; }
    // Hostile record counts are refused before any item is built.
    static bool withinRecordBudget(QStringView text);
    // Numbers no float holds become 0; the notice says how many, empty when none.
    static QString clearNonFiniteNumbers(QList<QuotaItem> &items);

    const QString &mainLibraryText() const { return m_mainLibraryText; }
    bool mainLibraryWriteBack() const { return m_mainLibraryWriteBack; }
    void setMainLibraryWriteBack(bool on) { m_mainLibraryWriteBack = on; }

private:
    QList<QuotaItem> m_items;
    bool m_canEditTemplate = true;
    bool m_lockOnSave = false;
    QString m_currentUserName;
    QString m_mainLibraryText;
    bool m_mainLibraryWriteBack = false;
    QString m_readNotice;
};
