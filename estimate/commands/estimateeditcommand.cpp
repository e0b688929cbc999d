#include "estimateeditcommand.h"

#include "estimate/estimatedocument.h"

EstimateEditCommand::EstimateEditCommand(EstimateDocument &document, EstimateEdit edit)
    : m_document(document), m_edit(std::move(edit))
{
    setText(m_edit.name);
}

void EstimateEditCommand::undo()
{
    m_document.undo(m_edit);
}

void EstimateEditCommand::redo()
{
    if (std::exchange(m_applied, false))
        return;
    m_document.redo(m_edit);
}
