#include "librarycommands.h"

#include <QFileInfo>

#include <limits>

LibraryCommands::DeleteOutcome LibraryCommands::deleteItem(QuotaLibrary &library, LibraryTree &tree,
                                                           qsizetype index, int selectedTemplate,
                                                           const QString &currentTemplatePath,
                                                           int &customItemCounter)
{
    if (!library.canEditTemplate())
        return DeleteOutcome::NoPermission;
    QList<QuotaItem> &items = library.items();
    if (index < 0 || index >= items.size())
        return DeleteOutcome::NoItem;
    const QuotaItem item = items.takeAt(index);
    tree.remove(item.treeNode);
    customItemCounter = counterAfterDeleting(item.itemName, customItemCounter);
    // The main library file is never overwritten by an edit.
    if (selectedTemplate == 0)
        return DeleteOutcome::OpenSaveDialog;
    return library.WriteTemplate(currentTemplatePath) ? DeleteOutcome::TemplateWritten
                                                      : DeleteOutcome::TemplateWriteFailed;
}

int LibraryCommands::counterAfterDeleting(const QString &itemName, int customItemCounter)
{
    const QString mark = QStringLiteral("自定义");
    const qsizetype at = itemName.indexOf(mark);
    if (at < 0)
        return customItemCounter;
    qsizetype end = at + mark.size();
    while (end < itemName.size() && itemName.at(end).isDigit() && itemName.at(end).unicode() < 128)
        ++end;
    bool ok = false;
    const qint64 n = itemName.mid(at + mark.size(), end - at - mark.size()).toLongLong(&ok);
    // Without a number after the mark (or with one no counter can reach) the
    // counter stays, so it never drops to 0.
    if (!ok || n > std::numeric_limits<int>::max())
        return customItemCounter;
    if (qint64(customItemCounter) == n + 1 || customItemCounter < n)
        return int(n);
    return customItemCounter;
}

LibraryCommands::OpenOutcome LibraryCommands::openTemplateFile(QuotaLibrary &library, const QString &path,
                                                               QStringList &templateList,
                                                               int &selectedTemplate, int &customItemCounter)
{
    if (!QFileInfo::exists(path))
        return OpenOutcome::NoFile;
    if (!library.LoadTemplate(path, templateList.value(0)))
        return OpenOutcome::NotATemplate;
    customItemCounter = 1;
    const qsizetype at = templateList.indexOf(path, 1);
    // The main library opened by hand stays entry 0, so that edits still go to
    // a new template instead of overwriting it.
    if (!templateList.isEmpty() && templateList.first() == path) {
        selectedTemplate = 0;
    } else if (at >= 1) {
        selectedTemplate = int(at);
    } else {
        templateList.append(path);
        selectedTemplate = int(templateList.size() - 1);
    }
    return OpenOutcome::Opened;
}
