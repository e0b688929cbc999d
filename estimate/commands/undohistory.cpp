#include "undohistory.h"

#include "estimatecommands.h"

#include "estimate/estimatedocument.h"

UndoHistory::UndoHistory(EstimateDocument &document, QObject *parent) : QObject(parent), m_document(document)
{
    m_document.setRecording(true);
    connect(&m_document, &EstimateDocument::edited, this, &UndoHistory::push);
    connect(&m_document, &EstimateDocument::savedStateReached, this, [this] { m_stack.setClean(); });
    connect(&m_document, &EstimateDocument::documentReplaced, this, [this] { m_stack.clear(); });
    // A change the history cannot take back: no undo may reach the saved state again.
    connect(&m_document, &EstimateDocument::unrecordedEdit, this, [this] { m_stack.resetClean(); });
    connect(&m_stack, &QUndoStack::indexChanged, this, &UndoHistory::followCleanState);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &UndoHistory::followCleanState);
}

UndoHistory::~UndoHistory()
{
    // The stack empties itself on destruction; nobody listening is left by then.
    QObject::disconnect(&m_stack, nullptr, this, nullptr);
    m_document.setRecording(false);
}

void UndoHistory::push(const EstimateEdit &edit)
{
    m_stack.push(makeEstimateCommand(m_document, edit).release());
}

void UndoHistory::followCleanState()
{
    m_document.setModified(!m_stack.isClean());
    emit stepsChanged();
}

QString UndoHistory::undoToolTip() const
{
    return m_stack.canUndo() ? QStringLiteral("撤销 ") + m_stack.undoText() : QStringLiteral("撤销");
}

QString UndoHistory::redoToolTip() const
{
    return m_stack.canRedo() ? QStringLiteral("重做 ") + m_stack.redoText() : QStringLiteral("重做");
}
