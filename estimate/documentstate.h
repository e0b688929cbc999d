#pragma once

#include <QString>

// What runs in two halves through the progress window; while one is pending
// the project rates are not applied to inserted items.
enum class PendingOperation : int {
    None = 0,
    OpenProject = 2,
    BuildMaterialList = 3,
    BuildMachineList = 4,
};

// The state of the open project document.
struct DocumentState {
    QString currentProjectPath;
    // Set by a project information edit and by every item insertion; cleared by save, load and new.
    bool modified = false;
    PendingOperation pendingOperation = PendingOperation::None;

    bool operator==(const DocumentState &) const = default;
};
