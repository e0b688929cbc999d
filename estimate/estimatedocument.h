#pragma once

#include "documentstate.h"
#include "estimate.h"
#include "estimatechange.h"
#include "estimateedit.h"
#include "rowrestore.h"

#include <QObject>

// The project the user edits: the estimate and the document state, changed
// only through these operations. Each applied operation marks the document
// modified and announces what it changed once, with changed(); the grids
// listen. While recording, every applied edit is also handed on as an
// EstimateEdit: what the operation was and the stored state that undoes and
// redoes it exactly.
class EstimateDocument : public QObject
{
    Q_OBJECT

public:
    explicit EstimateDocument(QObject *parent = nullptr);

    Estimate &estimate() { return m_estimate; }
    const Estimate &estimate() const { return m_estimate; }
    // The project's head as the information form shows it.
    ProjectInfo &head() { return m_head; }
    const ProjectInfo &head() const { return m_head; }
    DocumentState &state() { return m_state; }
    const DocumentState &state() const { return m_state; }
    bool isModified() const { return m_state.modified; }
    void setModified(bool modified) { m_state.modified = modified; }

    // A copy of item into the room holding index, at the end of its category group.
    EstimateChange insertItem(int index, const ConstructItem &item, const RateSettings &rates);
    EstimateChange addRoom(const RoomData &room);
    // What the user typed into a cell of an item row.
    CellEdit editCell(int index, int column, const QString &text);
    // A construct row, or a room row with all its items.
    EstimateChange deleteRow(int index);
    // Rows [first, first + count) so that they start at destination (counted after their removal).
    EstimateChange moveGroup(int first, int count, int destination);
    EstimateChange renameRoom(int index, const QString &name);
    // The project rate of this kind on every item; refused unless the rate is enabled.
    // textsBefore: the rate texts before the user set this rate, which undo puts back.
    EstimateChange applyRate(RateKind kind, const RateSettings &rates, const RateSettings &textsBefore);
    // The item of a construct row replaced (its resources were edited) and repriced.
    EstimateChange replaceItem(int index, const ConstructItem &edited);
    // Shown decimals only: not an edit of the project.
    EstimateChange setPrecision(Precision precision);
    // What undo and redo put back; not themselves recorded. The stored rows and sums of a record:
    EstimateChange restore(const RowRestore &restore);
    // A head field's text:
    EstimateChange restoreHeadText(const EstimateEdit::HeadText &text);
    // The rate texts the rate dialog shows and the file stores:
    EstimateChange restoreRateTexts(const RateSettings &texts);

    // Edits are handed on as EstimateEdits only while recording (an undo history
    // listens); reading a project is not recorded.
    void setRecording(bool recording) { m_recording = recording; }
    bool isRecording() const { return m_recording; }

    // The edits until the matching endGroup() form one step under this name.
    void beginGroup(const QString &name);
    void endGroup();
    // A head field of the project information takes a new text; an edit of its own.
    EstimateChange setHeadField(int field, const QString &text);
    // A change kept outside the estimate: the saved state can no longer be reached by undo.
    void noteUnrecordedEdit();

    // Empties the estimate before another project is read or a new one starts.
    void clear();
    // The project was written, read or started anew: it matches its file now.
    void markSaved();
    void markReplaced();

signals:
    void changed(const EstimateChange &change);
    // An edit (or a finished group of them) was applied; the undo history keeps it.
    void edited(const EstimateEdit &edit);
    void unrecordedEdit();
    // The project now matches what was saved; the undo history marks its clean state here.
    void savedStateReached();
    // Another project was read or a new one started: the undo history no longer applies.
    void documentReplaced();

private:
    EstimateChange announce(const EstimateChange &change);
    RowRestore recordOf(const QList<int> &indices) const;
    RowRestore redoOf(const RowRestore &undo) const;
    // Keeps the part of an applied operation, its redo taken from the estimate as it is now.
    void record(EstimateEdit::Part part);
    void finishRecord();

    Estimate m_estimate;
    ProjectInfo m_head;
    DocumentState m_state;
    bool m_recording = false;
    int m_groupDepth = 0;
    EstimateEdit m_group;
};
