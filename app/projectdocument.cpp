#include "projectdocument.h"

QList<EstimateRow> ProjectDocument::rows() const
{
    QList<EstimateRow> out;
    for (const ProjectRoom &r : rooms) {
        EstimateRow room;
        room.kind = QStringLiteral("room");
        room.room = r.room;
        out.append(room);
        for (const ConstructItem &item : r.items) {
            EstimateRow row;
            row.kind = QStringLiteral("construct");
            row.item = item;
            out.append(row);
        }
    }
    return out;
}
