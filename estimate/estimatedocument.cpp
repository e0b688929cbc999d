#include "estimatedocument.h"

#include "celltext.h"

EstimateDocument::EstimateDocument(QObject *parent) : QObject(parent)
{
}

EstimateChange EstimateDocument::announce(const EstimateChange &change)
{
    if (change.applied) {
        m_state.modified = true;
        emit changed(change);
    }
    return change;
}

// The stored rows at these indices and the project sums as they are now.
RowRestore EstimateDocument::recordOf(const QList<int> &indices) const
{
    RowRestore record;
    for (int index : indices) {
        if (index >= 0 && index < m_estimate.rowCount())
            record.replaced.append({index, m_estimate.rows().at(index)});
    }
    record.totals = m_estimate.totals();
    return record;
}

// Taken right after an edit: what brings the estimate from before it to now.
RowRestore EstimateDocument::redoOf(const RowRestore &undo) const
{
    RowRestore redo;
    if (undo.moveCount > 0) {
        redo.moveFrom = undo.moveTo;
        redo.moveCount = undo.moveCount;
        redo.moveTo = undo.moveFrom;
    }
    redo.first = undo.first;
    redo.takeCount = int(undo.putBack.size());
    if (undo.takeCount > 0)
        redo.putBack = m_estimate.rows().mid(undo.first, undo.takeCount);
    for (const auto &[index, row] : undo.replaced)
        redo.replaced.append({index, m_estimate.rows().at(index)});
    redo.totals = m_estimate.totals();
    return redo;
}

namespace {

EstimateEdit::Part partOf(EstimateEdit::Operation operation, const RowRestore &undo)
{
    EstimateEdit::Part part;
    part.operation = operation;
    part.undo = undo;
    return part;
}

} // namespace

void EstimateDocument::record(EstimateEdit::Part part)
{
    if (!m_recording)
        return;
    if (part.operation != EstimateEdit::Operation::SetHeadField)
        part.redo = redoOf(part.undo);
    m_group.parts.append(std::move(part));
    finishRecord();
}

// Outside a group the recorded part is a step of its own.
void EstimateDocument::finishRecord()
{
    if (m_groupDepth > 0)
        return;
    emit edited(std::exchange(m_group, EstimateEdit{}));
}

void EstimateDocument::beginGroup(const QString &name)
{
    if (m_groupDepth++ == 0) {
        m_group = EstimateEdit{};
        m_group.name = name;
    }
}

void EstimateDocument::endGroup()
{
    if (m_groupDepth <= 0 || --m_groupDepth > 0)
        return;
    const EstimateEdit edit = std::exchange(m_group, EstimateEdit{});
    if (!edit.isEmpty())
        emit edited(edit);
}

void EstimateDocument::noteUnrecordedEdit()
{
    m_state.modified = true;
    emit unrecordedEdit();
}

EstimateChange EstimateDocument::insertItem(int index, const ConstructItem &item, const RateSettings &rates)
{
    const InsertPlace place = m_estimate.placeFor(index, item.categoryKind);
    RowRestore undo = recordOf({place.room});
    const EstimateChange change = m_estimate.insertItem(index, item, rates, m_state);
    if (change.applied) {
        undo.first = change.insertedRow;
        undo.takeCount = 1;
        record(partOf(EstimateEdit::Operation::InsertItem, undo));
    }
    return announce(change);
}

EstimateChange EstimateDocument::addRoom(const RoomData &room)
{
    RowRestore undo = recordOf({});
    const EstimateChange change = m_estimate.appendRoom(room);
    undo.first = change.insertedRow;
    undo.takeCount = 1;
    record(partOf(EstimateEdit::Operation::AddRoom, undo));
    return announce(change);
}

CellEdit EstimateDocument::editCell(int index, int column, const QString &text)
{
    const RowRestore undo = recordOf({index, m_estimate.roomOf(index)});
    CellEdit edit = m_estimate.editCell(index, column, text);
    if (edit.change.applied) {
        EstimateEdit::Part part = partOf(EstimateEdit::Operation::EditCell, undo);
        part.column = column;
        record(std::move(part));
    }
    announce(edit.change);
    return edit;
}

EstimateChange EstimateDocument::deleteRow(int index)
{
    if (index < 0 || index >= m_estimate.rowCount())
        return {};
    const bool room = m_estimate.rows().at(index).isRoom();
    RowRestore undo = recordOf(room ? QList<int>{} : QList<int>{m_estimate.roomOf(index)});
    const int end = room ? m_estimate.roomEnd(index) : index + 1;
    undo.first = index;
    undo.putBack = m_estimate.rows().mid(index, end - index);
    const EstimateChange change = m_estimate.removeRow(index);
    if (change.applied)
        record(partOf(EstimateEdit::Operation::DeleteRow, undo));
    return announce(change);
}

EstimateChange EstimateDocument::moveGroup(int first, int count, int destination)
{
    if (first == destination || !m_estimate.moveRows(first, count, destination))
        return {};
    RowRestore undo = recordOf({});
    undo.moveFrom = destination;
    undo.moveCount = count;
    undo.moveTo = first;
    record(partOf(EstimateEdit::Operation::MoveGroup, undo));
    EstimateChange change;
    change.applied = true;
    change.movedFrom = first;
    change.movedCount = count;
    change.movedTo = destination;
    // The lists follow the order of the estimate's rows.
    change.resourcesChanged = true;
    return announce(change);
}

EstimateChange EstimateDocument::renameRoom(int index, const QString &name)
{
    const RowRestore undo = recordOf({index});
    if (index < 0 || index >= m_estimate.rowCount() || m_estimate.rows().at(index).room.name == name ||
        !m_estimate.renameRoom(index, name))
        return {};
    record(partOf(EstimateEdit::Operation::RenameRoom, undo));
    EstimateChange change;
    change.applied = true;
    change.renamedRooms = {index};
    return announce(change);
}

EstimateChange EstimateDocument::applyRate(RateKind kind, const RateSettings &rates, const RateSettings &textsBefore)
{
    QList<int> all;
    all.reserve(m_estimate.rowCount());
    for (int i = 0; i < m_estimate.rowCount(); ++i)
        all << i;
    const RowRestore undo = recordOf(all);
    const EstimateChange change = m_estimate.applyRateToAll(kind, rates);
    if (change.applied) {
        EstimateEdit::Part part = partOf(EstimateEdit::Operation::ApplyRate, undo);
        part.rateKind = kind;
        part.ratesBefore = textsBefore;
        part.ratesAfter = rates;
        record(std::move(part));
    }
    return announce(change);
}

EstimateChange EstimateDocument::replaceItem(int index, const ConstructItem &edited)
{
    const RowRestore undo = recordOf({index, m_estimate.roomOf(index)});
    EstimateChange change = m_estimate.repriceItem(index, edited);
    change.resourcesChanged = change.applied;
    if (change.applied)
        record(partOf(EstimateEdit::Operation::ReplaceItem, undo));
    return announce(change);
}

EstimateChange EstimateDocument::setPrecision(Precision precision)
{
    const EstimateChange change = m_estimate.setPrecision(precision);
    if (change.applied)
        emit changed(change);
    return change;
}

EstimateChange EstimateDocument::restore(const RowRestore &restore)
{
    return announce(m_estimate.restore(restore));
}

EstimateChange EstimateDocument::restoreRateTexts(const RateSettings &texts)
{
    EstimateChange change;
    change.applied = true;
    change.rateTexts = texts;
    return announce(change);
}

EstimateChange EstimateDocument::restoreHeadText(const EstimateEdit::HeadText &text)
{
    if (text.field < 0 || text.field >= ProjectInfo::FieldCount)
        return {};
    m_head.field(text.field) = text.text;
    EstimateChange change;
    change.applied = true;
    change.headFields = {text.field};
    return announce(change);
}

EstimateChange EstimateDocument::setHeadField(int field, const QString &text)
{
    if (field < 0 || field >= ProjectInfo::FieldCount || m_head.field(field) == text)
        return {};
    const EstimateEdit::HeadText before{field, m_head.field(field)};
    m_head.field(field) = text;
    EstimateEdit::Part part = partOf(EstimateEdit::Operation::SetHeadField, {});
    part.headBefore = before;
    part.headAfter = {field, text};
    record(std::move(part));
    EstimateChange change;
    change.applied = true;
    change.headFields = {field};
    return announce(change);
}

void EstimateDocument::clear()
{
    EstimateChange change;
    change.applied = m_estimate.rowCount() > 0;
    change.removedFirst = 0;
    change.removedCount = m_estimate.rowCount();
    change.totalsChanged = true;
    change.resourcesChanged = true;
    m_estimate.clear();
    if (change.applied)
        emit changed(change);
}

void EstimateDocument::markSaved()
{
    m_state.modified = false;
    emit savedStateReached();
}

void EstimateDocument::markReplaced()
{
    m_state.modified = false;
    emit documentReplaced();
}
