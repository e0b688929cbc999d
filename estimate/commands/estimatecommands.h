#pragma once

#include "estimate/estimateedit.h"

#include <QUndoCommand>

#include <memory>

class EstimateDocument;

// The undo commands of the project's operations, one class for each. A command is
// pushed after the document applied its operation, so its first redo does nothing;
// later it puts back the stored state its operation recorded, never reversing the
// arithmetic (which would not give the same bits back).
class EstimateCommand : public QUndoCommand
{
public:
    void undo() final;
    void redo() final;

protected:
    EstimateCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent);

    virtual void takeBack() = 0;
    virtual void doAgain() = 0;

    EstimateDocument &m_document;
    const EstimateEdit::Part m_part;

private:
    bool m_applied = true;
};

// An operation whose whole effect is on the estimate's rows and sums: undo and redo put
// back the rows recorded before it and after it.
class RowsCommand : public EstimateCommand
{
protected:
    using EstimateCommand::EstimateCommand;
    void takeBack() override;
    void doAgain() override;
};

// An item inserted, from the library or by a copy.
class InsertItemCommand : public RowsCommand
{
public:
    InsertItemCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);
};

class AddRoomCommand : public RowsCommand
{
public:
    AddRoomCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);
};

// A text typed into a cell of an item row; named after the column.
class EditCellCommand : public RowsCommand
{
public:
    EditCellCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);
    static QString nameOf(int column);
};

// An item, or a room with all its items.
class DeleteRowCommand : public RowsCommand
{
public:
    DeleteRowCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);
};

// A category group moved with its rows.
class MoveGroupCommand : public RowsCommand
{
public:
    MoveGroupCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);
};

class RenameRoomCommand : public RowsCommand
{
public:
    RenameRoomCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);
};

// A project rate applied to every item: the items and the rate texts.
class ApplyRateCommand : public RowsCommand
{
public:
    ApplyRateCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);

private:
    void takeBack() override;
    void doAgain() override;
};

// An item whose resources were edited, repriced.
class ReplaceItemCommand : public RowsCommand
{
public:
    ReplaceItemCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);
};

// A field of the project information.
class SetHeadFieldCommand : public EstimateCommand
{
public:
    SetHeadFieldCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent = nullptr);

private:
    void takeBack() override;
    void doAgain() override;
};

// The command of a recorded step: a single operation's own command, or for a group a
// command under the group's name holding one command per part (undone last to first).
std::unique_ptr<QUndoCommand> makeEstimateCommand(EstimateDocument &document, const EstimateEdit &edit);
