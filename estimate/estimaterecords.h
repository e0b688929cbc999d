#pragma once

#include <QList>
#include <QString>

#include <array>
#include <cstdint>

// The records of the in-memory estimate. Every number is a 32-bit float and
// every rate a fraction (0.05 for 5 %). Field order follows the file formats.

struct Opening {
    float long_ = 0.0f;  // size along the wall ("long" in the files)
    float width = 0.0f;  // size across, i.e. the opening's height
    QString name;

    bool operator==(const Opening &) const = default;
};

struct MtLine {
    QString kind;  // "0" material, "1" machine, as read; the list is decided by classify
    QString name;
    QString classify;
    QString code;
    QString unit;
    float price = 0.0f;
    float num = 0.0f;
    QString desc;
    QString id;

    bool isMachine() const { return classify == QStringLiteral("机械"); }
    bool operator==(const MtLine &) const = default;
};

struct BrandData {
    QString unit;
    float num = 0.0f;
    float loss = 0.0f;
    float tax = 0.0f;
    float material = 0.0f;
    float materialprofit = 0.0f;
    float machine = 0.0f;
    float machineprofit = 0.0f;
    float laborcost = 0.0f;
    float laborprofit = 0.0f;
    float management = 0.0f;
    float managementprofit = 0.0f;
    QList<MtLine> materials;
    QList<MtLine> machines;

    bool operator==(const BrandData &) const = default;
};

struct AmountRule {
    float serial = 0.0f;
    float bDefault = 0.0f;
    float Area = 0.0f;
    float LaterArea = 0.0f;
    float WindowArea = 0.0f;
    float DoorArea = 0.0f;
    float perimeter = 0.0f;
    float WindowPerimeter = 0.0f;
    float DoorPerimeter = 0.0f;
    float length = 0.0f;
    float width = 0.0f;
    float DoorWidth = 0.0f;
    float DoorCount = 0.0f;
    float height = 0.0f;
    float constant = 0.0f;
    QString RoomName;

    bool operator==(const AmountRule &) const = default;
};

inline constexpr int RoomKindCount = 8;  // slot 0 is an item's default rule, 1-7 the room kinds
inline constexpr float NoRuleIndex = 8.0f;

struct ConstructItem {
    QString categoryName;
    QString categoryKind;
    QString categoryId;
    QString itemId;
    QString itemName;
    QString itemDesc;
    std::array<float, RoomKindCount> ruleIndexByKind{};
    BrandData brand;
    QList<AmountRule> rules;
    AmountRule currentRule;

    bool operator==(const ConstructItem &) const = default;
};

struct RoomData {
    QString name;
    float long_ = 0.0f;  // floor area when checkType is 0
    float width = 0.0f;  // floor perimeter when checkType is 0
    float height = 0.0f;
    QList<Opening> doors;
    QList<Opening> windows;
    std::int32_t checkType = 0;

    bool operator==(const RoomData &) const = default;
};

struct RowCosts {
    float laborSubtotal = 0.0f;
    float materialSubtotal = 0.0f;
    float machineSubtotal = 0.0f;
    float managementSubtotal = 0.0f;
    float total = 0.0f;

    bool operator==(const RowCosts &) const = default;
};

struct EstimateRow {
    QString kind;  // "room" or "construct"
    RoomData room;
    ConstructItem item;
    RowCosts costs;

    bool isRoom() const { return kind == QStringLiteral("room"); }
    bool isConstruct() const { return kind == QStringLiteral("construct"); }
    bool operator==(const EstimateRow &) const = default;
};

// Names of the room kinds 1-7, the default room names of those kinds.
QString roomKindName(int kind);

struct ProjectInfo {
    QString name;
    QString address;
    QString customer;
    QString model;
    QString area;
    QString number;
    QString writer;
    QString contactphone;
    QString Date;

    static constexpr int FieldCount = 9;
    // The nine fields in file order, with the placeholder label of an empty field.
    QString &field(int i);
    const QString &field(int i) const;
    static QString fieldTag(int i);
    static QString fieldLabel(int i);

    bool operator==(const ProjectInfo &) const = default;
};

struct RateSettings {
    QString mainProfit = QStringLiteral("0");
    QString auxiProfit = QStringLiteral("0");
    QString laborProfit = QStringLiteral("0");
    QString loss = QStringLiteral("0");
    QString tax = QStringLiteral("0");
    bool profitEnabled = false;
    bool lossEnabled = false;
    bool taxEnabled = false;

    bool operator==(const RateSettings &) const = default;
};

struct PageSettings {
    QString pagesize = QStringLiteral("A4");
    QString pageorientation = QStringLiteral("Vertical");
    QString pagemarginleft = QStringLiteral("18");
    QString pagemarginright = QStringLiteral("18");
    QString pagemargintop = QStringLiteral("19");
    QString pagemarginbottom = QStringLiteral("19");

    bool operator==(const PageSettings &) const = default;
};

struct ProjectTotals {
    float projectTotal = 0.0f;
    float projectMachine = 0.0f;
    float projectLabor = 0.0f;
    float projectManagement = 0.0f;

    // The material share is derived, never stored.
    float materialShare() const { return projectTotal - projectLabor - projectMachine - projectManagement; }
    bool operator==(const ProjectTotals &) const = default;
};

// Display precision: the number of decimals shown, 0, 1 or 2.
using Precision = int;
