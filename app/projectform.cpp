#include "projectform.h"

#include "contracts/grid.h"
#include "estimate/documentstate.h"
#include "estimate/filetextrule.h"
#include "estimate/estimatedocument.h"
#include "reports/billlists.h"

namespace {

const QString &newProjectName()
{
    static const QString name = QStringLiteral("新工程");
    return name;
}

bool validIndex(int index)
{
    return index >= 0 && index < ProjectForm::FieldCount;
}

} // namespace

ProjectForm::ProjectForm(EstimateDocument &document, Grid *tableGrid, BillLists *billLists)
    : m_document(document), m_texts(document.head()), m_tableGrid(tableGrid), m_billLists(billLists)
{
}

QString ProjectForm::text(int index) const
{
    if (!validIndex(index))
        return QString();
    return m_texts.field(index).isEmpty() ? label(index) : m_texts.field(index);
}

bool ProjectForm::isEmpty(int index) const
{
    return !validIndex(index) || text(index) == label(index);
}

QString ProjectForm::editStartText(int index) const
{
    return isEmpty(index) ? QString() : text(index);
}

bool ProjectForm::finishEdit(int index, const QString &typed)
{
    if (!validIndex(index) || !refusal(index, typed).isEmpty())
        return false;
    const QString shown = typed.isEmpty() ? label(index) : typed;
    if (shown == text(index))
        return false;
    // The title and headers now; undo and redo reach them through the document's announcement.
    if (!m_document.setHeadField(index, shown).applied)
        return false;
    showChange(index);
    return true;
}

QString ProjectForm::refusal(int index, const QString &typed)
{
    const QString why = FileTextRule::refusal(typed, FileTextRule::Kind::HeadField);
    return why.isEmpty() || !validIndex(index) ? why : label(index) + why;
}

int ProjectForm::nextField(int index)
{
    return index + 1 < FieldCount ? index + 1 : NoField;
}

ProjectInfo ProjectForm::projectInfo() const
{
    ProjectInfo info;
    for (int i = 0; i < FieldCount; ++i)
        info.field(i) = isEmpty(i) ? QString() : text(i);
    if (info.name.isEmpty())
        info.name = newProjectName();
    return info;
}

void ProjectForm::setProjectInfo(const ProjectInfo &texts)
{
    for (int i = 0; i < FieldCount; ++i)
        m_texts.field(i) = texts.field(i).isEmpty() ? label(i) : texts.field(i);
    if (m_billLists)
        m_billLists->fillHeaders(projectInfo());
}

void ProjectForm::resetProjectInfo()
{
    setProjectInfo(ProjectInfo{});
}

QString ProjectForm::titleName(const QString &name)
{
    return name.isEmpty() || name == label(0) ? newProjectName() : name;
}

void ProjectForm::showChange(const EstimateChange &change)
{
    for (int index : change.headFields)
        showChange(index);
}

void ProjectForm::showChange(int index)
{
    // Fields after the area only go into the project file and the printout.
    if (index > 4)
        return;
    if (index == 0 && m_tableGrid)
        m_tableGrid->setText(0, 1, titleName(text(0)));
    if (m_billLists)
        m_billLists->fillHeaders(projectInfo());
}
