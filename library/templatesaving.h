#pragma once

#include "librarytree.h"
#include "quotalibrary.h"
#include "templatechoice.h"

#include <QString>

// The decisions of the template file dialog: deleting a template, the rules of
// OK in save mode, and opening a template from a slot in open mode. The
// dialog asks the user and shows the texts; these change the list, the
// selection, the files and the library. The caller saves the settings after
// every change of the list or the selection.
class TemplateSaving
{
public:
    enum class DeleteOutcome {
        Refused,        // the main library cannot be deleted, or no such entry
        FileNotDeleted, // the file stays; nothing changed
        Deleted,
        DeletedCurrent, // the main library replaced the deleted current template
    };
    enum class NameCheck { Empty, Refused, Accepted };
    enum class SaveOutcome {
        Saved,
        WriteFailed,        // nothing changed but lockOnSave
        MainLibraryRefused, // the chosen file is the main library; show the refusal
    };
    enum class OpenOutcome { NotListed, NotATemplate, Opened };

    static QString mainLibraryName() { return QStringLiteral("Verdalis定额库"); }
    static QString saveTitle() { return QStringLiteral("保存模板"); }
    static QString deleteTitle() { return QStringLiteral("删除模板"); }
    static QString refusedNameText();
    static QString deleteQuestion(const TemplateChoice &choice, qsizetype index, const QString &name);

    // Deletes the file and the entry; deleting the current template falls back
    // to the items of the main library (rules are not read, the lock stays).
    static DeleteOutcome deleteTemplate(TemplateChoice &choice, qsizetype index, QuotaLibrary &library,
                                        LibraryTree &tree, int &customItemCounter);

    // The name box: trimmed and cut before the first ".".
    static QString nameFromBox(const QString &text);
    static NameCheck checkName(const QString &name);
    static QString proposedPath(const QString &dataFolder, const QString &name, bool locked);
    static QString fileFilter(bool locked);
    // The chosen path without every ".xml" and ".oml", with the extension of the lock.
    static QString finalPath(const QString &chosenPath, bool locked);
    // OK after the file dialog: sets lockOnSave, writes the item list to the
    // final path and selects it in the template list.
    static SaveOutcome save(TemplateChoice &choice, QuotaLibrary &library, const QString &chosenPath, bool locked,
                            QString *error = nullptr);

    // A slot of the open mode: reads the template and selects it.
    static OpenOutcome openSlot(TemplateChoice &choice, const QString &path, QuotaLibrary &library,
                                LibraryTree &tree, int &customItemCounter);

private:
    static bool samePath(const QString &a, const QString &b);
};
