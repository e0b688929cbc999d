#pragma once

#include "estimate/estimateedit.h"

#include <QUndoCommand>

class EstimateDocument;

// One recorded edit of the project on the undo stack. It is pushed after the
// document applied it, so its first redo does nothing.
class EstimateEditCommand : public QUndoCommand
{
public:
    EstimateEditCommand(EstimateDocument &document, EstimateEdit edit);

    void undo() override;
    void redo() override;

private:
    EstimateDocument &m_document;
    EstimateEdit m_edit;
    bool m_applied = true;
};
