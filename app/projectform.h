#pragma once

#include "estimate/estimatechange.h"
#include "estimate/estimaterecords.h"

#include <QString>

class BillLists;
class Grid;
class EstimateDocument;

// The project information form without its window: nine fields, each showing its
// value or, while empty, its label. A finished edit that changes a field marks the
// document modified and rewrites the title and header cells that show it.
class ProjectForm
{
public:
    static constexpr int FieldCount = ProjectInfo::FieldCount;
    // No next field: the last field hands over to the budget table.
    static constexpr int NoField = -1;

    // The project's head as the form shows it (a label or nothing for an empty field) is the
    // document's, so that saving reads what the form shows and undo reaches it. The grids are optional.
    ProjectForm(EstimateDocument &document, Grid *tableGrid, BillLists *billLists);

    static QString label(int index) { return ProjectInfo::fieldLabel(index); }
    // What the field's button shows: its value, or its label while empty.
    QString text(int index) const;
    bool isEmpty(int index) const;
    // The edit box starts empty on a field that shows its label.
    QString editStartText(int index) const;
    // The edit box lost the focus; true when the field changed.
    bool finishEdit(int index, const QString &typed);
    // Why a typed value cannot be kept (it would come back cut from the
    // project file), with the field's name; empty when it can.
    static QString refusal(int index, const QString &typed);
    // Enter, Tab and Escape move on to this field, or NoField after the last one.
    static int nextField(int index);

    // The nine values, empty where a field shows its label; an empty name is "新工程".
    ProjectInfo projectInfo() const;
    // Stores texts as they come (labels stand for empty values) and rewrites the list headers.
    void setProjectInfo(const ProjectInfo &texts);
    void resetProjectInfo();
    // The name the titles show: "新工程" for an empty name or the label.
    static QString titleName(const QString &name);
    // Rewrites what shows the head fields a document change touched (an undo, a redo).
    void showChange(const EstimateChange &change);

private:
    void showChange(int index);

    EstimateDocument &m_document;
    ProjectInfo &m_texts;
    Grid *m_tableGrid;
    BillLists *m_billLists;
};
