#pragma once

#include "estimate/estimaterecords.h"
#include "lineedit.h"

#include <QList>
#include <QString>

// What the two item editors show of one construction item: the item grid
// (name, unit, description and the four prices) and the line grid. The windows
// show and change it; committing reads it back into the item.
struct ItemEdit {
    enum class Prices { WithProfit, Plain };

    QString name;
    QString unit;
    QString desc;
    NumberCell material;
    NumberCell machine;
    NumberCell labour;
    NumberCell management;
    QList<LineEdit> lines; // materials first, then machines

    static ItemEdit ofItem(const ConstructItem &item, Prices prices);

    // Why the editor's content cannot be taken: a text the template and project
    // files would misread, a typed number no float holds, or one whose line
    // sums, amounts or totals would leave the float range, named by its
    // place; empty when it can. The editors refuse to commit then and keep the item.
    QString refusal() const;

    // Removes a line row that holds a name or a unit; false otherwise.
    bool removeLine(qsizetype row);

    struct LineSums {
        float material = 0.0f;
        float machine = 0.0f;
    };
    // Replaces the item's lines by the named line rows (kind "auxi", no id) and
    // returns the sums of price × num per list.
    LineSums readLines(ConstructItem &item) const;

private:
    static LineEdit lineOf(const MtLine &line);
    QString sumRefusal() const;
};
