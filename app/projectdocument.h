#pragma once

#include "estimate/estimaterecords.h"

#include <optional>

// What a project file holds, read into plain records. The estimate is only
// touched once a whole file has been read into one of these.

// The three rate texts of the rate element; the enable flags are never stored.
struct ProjectRateTexts {
    QString profit;
    QString loss;
    QString tax;

    // Replaces the texts of `rates` and keeps its enable flags.
    void applyTo(RateSettings &rates) const
    {
        rates.mainProfit = profit;
        rates.loss = loss;
        rates.tax = tax;
    }
    bool operator==(const ProjectRateTexts &) const = default;
};

// One room element: the room with its doors and windows, and its items in file order.
struct ProjectRoom {
    RoomData room;
    QList<ConstructItem> items;

    bool operator==(const ProjectRoom &) const = default;
};

struct ProjectDocument {
    ProjectInfo info;                      // empty fields already carry their labels
    std::optional<ProjectRateTexts> rates; // absent when the file has no rate element
    QList<ProjectRoom> rooms;

    bool operator==(const ProjectDocument &) const = default;

    // Each room followed by its items as plain estimate rows, nothing priced:
    // what the writer writes back for the document.
    QList<EstimateRow> rows() const;
};
