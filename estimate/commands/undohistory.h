#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

class EstimateDocument;
struct EstimateEdit;

// The undo history of one document: every recorded edit becomes a step; the
// document counts as modified exactly when the history is away from the state
// that was last saved, opened or started.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    explicit UndoHistory(EstimateDocument &document, QObject *parent = nullptr);
    ~UndoHistory() override;

    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }
    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    int count() const { return m_stack.count(); }
    // The buttons' tooltips: "撤销 修改工程量", or the bare word when there is nothing to take back.
    QString undoToolTip() const;
    QString redoToolTip() const;

signals:
    // What can be undone or redone changed.
    void stepsChanged();

private:
    void push(const EstimateEdit &edit);
    void followCleanState();

    EstimateDocument &m_document;
    QUndoStack m_stack;
};
