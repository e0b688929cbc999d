#pragma once

#include "numbercell.h"

#include <QString>

// One row of an editor's line grid: a material or machine line as shown.
struct LineEdit {
    QString name;
    QString classify;
    QString unit;
    NumberCell price;
    NumberCell num;
    QString desc;
    // Not shown; carried so that editing keeps the line's code.
    QString code;

    static QString machineClassify() { return QStringLiteral("机械"); }
    static QString materialClassify() { return QStringLiteral("材料"); }
    // The kind cell of a line without a classify.
    static QString unchosenClassify() { return QStringLiteral("请选择"); }

    bool isMachine() const { return classify == machineClassify(); }
    // The delete image only acts on a row that holds a name or a unit.
    bool removable() const { return !name.isEmpty() || !unit.isEmpty(); }
};
