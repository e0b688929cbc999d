#pragma once

#include <QString>
#include <QStringList>

// The template list and its selection, held by the settings record and
// changed in place by the template dialogs.
struct TemplateChoice {
    QStringList &templateList; // entry 0 is the main library
    int &selectedTemplate;
    QString &currentTemplatePath;

    // Edits never overwrite the main library: they go to a new template.
    bool mainLibraryIsCurrent() const
    {
        return selectedTemplate == 0 || currentTemplatePath == templateList.value(0);
    }
    void select(qsizetype index)
    {
        selectedTemplate = int(index);
        currentTemplatePath = templateList.value(index);
    }
};
