#pragma once

#include "librarytree.h"
#include "quotalibrary.h"

#include <QString>
#include <QStringList>

// The library browser's commands that change the library, as decisions the
// pane carries out (prompts, dialogs, messages) without holding any logic.
class LibraryCommands
{
public:
    enum class DeleteOutcome {
        NoPermission,        // show the no-permission notice; nothing changed
        NoItem,              // the index names no item; nothing changed
        TemplateWritten,     // the current template was rewritten
        TemplateWriteFailed, // the item is gone in memory but the file was not replaced
        OpenSaveDialog,      // the main library is current: save to a new template
    };

    enum class OpenOutcome {
        NoFile,       // nothing else happens
        NotATemplate, // report "请导入正确的模板文件"; list and selection unchanged
        Opened,       // rebuild the tree, save the settings, report success
    };

    // Deletes the item at `index` from the list and its node from the tree.
    static DeleteOutcome deleteItem(QuotaLibrary &library, LibraryTree &tree, qsizetype index,
                                    int selectedTemplate, const QString &currentTemplatePath,
                                    int &customItemCounter);
    // The counter of "自定义<n>" names after deleting an item with this name.
    static int counterAfterDeleting(const QString &itemName, int customItemCounter);
    // Makes the file the current template: reads it and selects it in the
    // template list (entry 0, the main library, keeps its place).
    static OpenOutcome openTemplateFile(QuotaLibrary &library, const QString &path, QStringList &templateList,
                                        int &selectedTemplate, int &customItemCounter);
};
