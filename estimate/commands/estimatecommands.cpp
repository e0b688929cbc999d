#include "estimatecommands.h"

#include "estimate/celltext.h"
#include "estimate/estimatedocument.h"

#include <QStringList>

EstimateCommand::EstimateCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : QUndoCommand(parent), m_document(document), m_part(std::move(part))
{
}

void EstimateCommand::undo()
{
    takeBack();
}

void EstimateCommand::redo()
{
    if (std::exchange(m_applied, false))
        return;
    doAgain();
}

void RowsCommand::takeBack()
{
    m_document.restore(m_part.undo);
}

void RowsCommand::doAgain()
{
    m_document.restore(m_part.redo);
}

InsertItemCommand::InsertItemCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : RowsCommand(document, std::move(part), parent)
{
    setText(QStringLiteral("添加项目"));
}

AddRoomCommand::AddRoomCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : RowsCommand(document, std::move(part), parent)
{
    setText(QStringLiteral("添加房间"));
}

EditCellCommand::EditCellCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : RowsCommand(document, std::move(part), parent)
{
    setText(nameOf(m_part.column));
}

QString EditCellCommand::nameOf(int column)
{
    static const QStringList names{QStringLiteral("修改项目名称"), QStringLiteral("修改施工说明"),
                                   QStringLiteral("修改单位"),     QStringLiteral("修改工程量"),
                                   QStringLiteral("修改损耗"),     QStringLiteral("修改税金"),
                                   QStringLiteral("修改材料单价"), QStringLiteral("修改机械台班单价"),
                                   QStringLiteral("修改人工单价"), QStringLiteral("修改管理费单价")};
    const int k = column - CellText::NameColumn;
    return k >= 0 && k < names.size() ? names.at(k) : QStringLiteral("修改单元格");
}

DeleteRowCommand::DeleteRowCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : RowsCommand(document, std::move(part), parent)
{
    // The rows put back start with the deleted row itself.
    const bool room = !m_part.undo.putBack.isEmpty() && m_part.undo.putBack.constFirst().isRoom();
    setText(room ? QStringLiteral("删除房间") : QStringLiteral("删除项目"));
}

MoveGroupCommand::MoveGroupCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : RowsCommand(document, std::move(part), parent)
{
    setText(QStringLiteral("移动分类"));
}

RenameRoomCommand::RenameRoomCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : RowsCommand(document, std::move(part), parent)
{
    setText(QStringLiteral("重命名房间"));
}

ApplyRateCommand::ApplyRateCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : RowsCommand(document, std::move(part), parent)
{
    setText(m_part.rateKind == RateKind::Profit ? QStringLiteral("设置利润率")
            : m_part.rateKind == RateKind::Loss ? QStringLiteral("设置损耗率")
                                                : QStringLiteral("设置税率"));
}

void ApplyRateCommand::takeBack()
{
    RowsCommand::takeBack();
    m_document.restoreRateTexts(m_part.ratesBefore);
}

void ApplyRateCommand::doAgain()
{
    RowsCommand::doAgain();
    m_document.restoreRateTexts(m_part.ratesAfter);
}

ReplaceItemCommand::ReplaceItemCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : RowsCommand(document, std::move(part), parent)
{
    setText(QStringLiteral("编辑资源"));
}

SetHeadFieldCommand::SetHeadFieldCommand(EstimateDocument &document, EstimateEdit::Part part, QUndoCommand *parent)
    : EstimateCommand(document, std::move(part), parent)
{
    setText(QStringLiteral("修改项目信息"));
}

void SetHeadFieldCommand::takeBack()
{
    m_document.restoreHeadText(m_part.headBefore);
}

void SetHeadFieldCommand::doAgain()
{
    m_document.restoreHeadText(m_part.headAfter);
}

namespace {

QUndoCommand *commandOf(EstimateDocument &document, const EstimateEdit::Part &part, QUndoCommand *parent)
{
    using Operation = EstimateEdit::Operation;
    switch (part.operation) {
    case Operation::InsertItem:
        return new InsertItemCommand(document, part, parent);
    case Operation::AddRoom:
        return new AddRoomCommand(document, part, parent);
    case Operation::EditCell:
        return new EditCellCommand(document, part, parent);
    case Operation::DeleteRow:
        return new DeleteRowCommand(document, part, parent);
    case Operation::MoveGroup:
        return new MoveGroupCommand(document, part, parent);
    case Operation::RenameRoom:
        return new RenameRoomCommand(document, part, parent);
    case Operation::ApplyRate:
        return new ApplyRateCommand(document, part, parent);
    case Operation::ReplaceItem:
        return new ReplaceItemCommand(document, part, parent);
    case Operation::SetHeadField:
        return new SetHeadFieldCommand(document, part, parent);
    }
    return nullptr;
}

} // namespace

std::unique_ptr<QUndoCommand> makeEstimateCommand(EstimateDocument &document, const EstimateEdit &edit)
{
    if (edit.name.isEmpty() && edit.parts.size() == 1)
        return std::unique_ptr<QUndoCommand>(commandOf(document, edit.parts.constFirst(), nullptr));
    auto group = std::make_unique<QUndoCommand>(edit.name);
    for (const EstimateEdit::Part &part : edit.parts)
        commandOf(document, part, group.get());
    return group;
}
