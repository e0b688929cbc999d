#include "templatesaving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TemplateSaving::refusedNameText()
{
    return QStringLiteral("\"Verdalis定额库\"为默认库,不可覆盖,请重新命名!");
}

QString TemplateSaving::deleteQuestion(const TemplateChoice &choice, qsizetype index, const QString &name)
{
    if (index == choice.selectedTemplate)
        return QStringLiteral("\"%1\"为当前项目,确定删除?").arg(name);
    return QStringLiteral("确定删除 \"%1\" ?").arg(name);
}

TemplateSaving::DeleteOutcome TemplateSaving::deleteTemplate(TemplateChoice &choice, qsizetype index,
                                                             QuotaLibrary &library, LibraryTree &tree,
                                                             int &customItemCounter)
{
    if (index <= 0 || index >= choice.templateList.size())
        return DeleteOutcome::Refused;
    const QString path = choice.templateList.at(index);
    // A file that stays would come back as a template the user believes gone.
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return DeleteOutcome::FileNotDeleted;
    const bool wasCurrent = index == choice.selectedTemplate;
    choice.templateList.removeAt(index);
    if (!wasCurrent) {
        choice.select(index < choice.selectedTemplate ? choice.selectedTemplate - 1 : choice.selectedTemplate);
        return DeleteOutcome::Deleted;
    }
    choice.select(0);
    library.LoadTemplateItemsOnly(choice.templateList.at(0), choice.templateList.at(0));
    customItemCounter = 1;
    tree.fill(library.items());
    return DeleteOutcome::DeletedCurrent;
}

QString TemplateSaving::nameFromBox(const QString &text)
{
    const QString name = text.trimmed();
    return name.left(name.indexOf(u'.'));
}

TemplateSaving::NameCheck TemplateSaving::checkName(const QString &name)
{
    if (name.isEmpty())
        return NameCheck::Empty;
    return name == mainLibraryName() ? NameCheck::Refused : NameCheck::Accepted;
}

QString TemplateSaving::proposedPath(const QString &dataFolder, const QString &name, bool locked)
{
    return QDir(dataFolder).filePath(name + (locked ? QStringLiteral(".oml") : QStringLiteral(".xml")));
}

QString TemplateSaving::fileFilter(bool locked)
{
    return locked ? QStringLiteral("项目模板(*.oml)") : QStringLiteral("项目模板(*.xml)");
}

QString TemplateSaving::finalPath(const QString &chosenPath, bool locked)
{
    QString path = chosenPath;
    path.remove(QStringLiteral(".xml")).remove(QStringLiteral(".oml"));
    return path + (locked ? QStringLiteral(".oml") : QStringLiteral(".xml"));
}

bool TemplateSaving::samePath(const QString &a, const QString &b)
{
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

TemplateSaving::SaveOutcome TemplateSaving::save(TemplateChoice &choice, QuotaLibrary &library,
                                                 const QString &chosenPath, bool locked, QString *error)
{
    library.setLockOnSave(locked);
    const QString path = finalPath(chosenPath, locked);
    // Written over, the main library would lose the items it ships with.
    if (!choice.templateList.isEmpty() && samePath(path, choice.templateList.first()))
        return SaveOutcome::MainLibraryRefused;
    if (!library.WriteTemplate(path, error))
        return SaveOutcome::WriteFailed;
    const qsizetype listed = choice.templateList.indexOf(path, 1);
    if (listed < 0)
        choice.templateList.append(path);
    choice.select(listed < 0 ? choice.templateList.size() - 1 : listed);
    return SaveOutcome::Saved;
}

TemplateSaving::OpenOutcome TemplateSaving::openSlot(TemplateChoice &choice, const QString &path,
                                                     QuotaLibrary &library, LibraryTree &tree,
                                                     int &customItemCounter)
{
    const qsizetype index = choice.templateList.indexOf(path);
    if (index < 0)
        return OpenOutcome::NotListed;
    // A template that cannot be read is not selected, so the selection keeps
    // naming the items the library holds.
    if (!library.LoadTemplate(path, choice.templateList.at(0)))
        return OpenOutcome::NotATemplate;
    choice.select(index);
    customItemCounter = 1;
    tree.fill(library.items());
    return OpenOutcome::Opened;
}
