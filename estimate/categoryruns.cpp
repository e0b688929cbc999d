#include "categoryruns.h"

void CategoryRuns::startRoom(int roomIndex)
{
    m_room = roomIndex;
    m_end = roomIndex + 1;
    m_runs.clear();
}

// The group is found without regard to case but walked exactly; neighbouring
// runs differ exactly, so an exact match ends with its run.
InsertPlace CategoryRuns::placeFor(const QString &categoryKind) const
{
    InsertPlace place;
    place.room = m_room;
    place.index = m_end;
    for (const Run &run : m_runs) {
        if (run.kind.compare(categoryKind, Qt::CaseInsensitive) == 0) {
            place.groupFirst = run.first;
            place.index = run.kind == categoryKind ? run.first + run.count : run.first;
            break;
        }
    }
    return place;
}

// Places lie between runs or at the room's end, never inside a run.
void CategoryRuns::inserted(const InsertPlace &place, const QString &categoryKind)
{
    const int at = place.index;
    qsizetype r = 0;
    while (r < m_runs.size() && m_runs.at(r).first < at)
        ++r;
    qsizetype shiftFrom = r + 1;
    if (r > 0 && m_runs.at(r - 1).kind == categoryKind) {
        ++m_runs[r - 1].count;
        shiftFrom = r;
    } else if (r < m_runs.size() && m_runs.at(r).kind == categoryKind) {
        ++m_runs[r].count;
    } else {
        m_runs.insert(r, Run{categoryKind, at, 1});
    }
    for (qsizetype later = shiftFrom; later < m_runs.size(); ++later)
        ++m_runs[later].first;
    ++m_end;
}
