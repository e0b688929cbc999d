#pragma once

#include "appsettings.h"
#include "prompterrelay.h"
#include "settingsstore.h"
#include "textmeasurerelay.h"

#include "contracts/grid.h"
#include "estimate/budgettable.h"
#include "estimate/documentstate.h"
#include "estimate/estimate.h"
#include "estimate/estimatedocument.h"
#include "estimate/roompictures.h"
#include "estimate/tablesharedstate.h"
#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/quotalibraryitems.h"
#include "reports/billlists.h"

class RoomTextPainter;

// Everything one running application holds, in one object that is handed to
// whoever needs it: settings, the quota library, the estimate with its budget
// table and bill lists, and the document state. Nothing here touches a window.
class AppContext
{
public:
    // The room pictures are drawn with `painter` (none: the rooms show no picture).
    explicit AppContext(const AppFolders &folders, RoomTextPainter *painter = nullptr);
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    // Start-up: reads the settings (loading the selected template on the first
    // call), fills the library tree, sets up the grids and the column switches.
    void startUp();
    // Grid set-up alone, for a context that never reads a settings file.
    void setUpGrids();
    // Exit: room pictures deleted, the main library marked for writing back and
    // the settings saved with the table's column switches. False when a file
    // could not be written.
    bool shutDown();
    // Writes the settings file now (the main library is not written back), so
    // that a change of the template list survives a crash. False when it failed.
    bool saveSettings() const;
    // Takes the template list again from the settings file, where another running copy may
    // have saved a template since. The template in use stays current; the rates, page set-up
    // and column switches of this run are kept, not replaced by the file's.
    void reloadTemplateList();
    // Deletes every ".bmp" file in the room picture folder.
    void deleteRoomPictures() const;

    // The desktop's dialogs and font metrics; null reverts to the silent defaults.
    void setPrompter(Prompter *prompter) { m_prompter.setTarget(prompter); }
    void setTextMeasure(const GridTextMeasure *measure) { m_measure.setTarget(measure); }
    const GridTextMeasure &textMeasure() const { return m_measure; }

    AppSettings &settings() { return m_settings; }
    const SettingsStore &settingsStore() const { return m_store; }
    const AppFolders &folders() const { return m_store.folders(); }
    QuotaLibrary &library() { return m_library; }
    LibraryTree &libraryTree() { return m_tree; }
    LibraryItems &libraryItems() { return m_libraryItems; }
    Estimate &estimate() { return m_doc.estimate(); }
    // The project being edited: every change of it goes through here.
    EstimateDocument &estimateDocument() { return m_doc; }
    Grid &tableGrid() { return m_tableGrid; }
    Grid &billGrid() { return m_billLists.billGrid(); }
    BudgetTable &budgetTable() { return m_table; }
    BillLists &billLists() { return m_billLists; }
    TableSharedState &shared() { return m_shared; }
    DocumentState &document() { return m_doc.state(); }
    ProjectInfo &projectInfo() { return m_doc.head(); }
    RoomPictures &roomPictures() { return m_pictures; }
    Prompter &prompter() { return m_prompter; }

private:
    AppSettings m_settings;
    SettingsStore m_store;
    QuotaLibrary m_library;
    LibraryTree m_tree;
    QuotaLibraryItems m_libraryItems{m_library, m_tree};
    EstimateDocument m_doc;
    Grid m_tableGrid;
    TableSharedState m_shared;
    PrompterRelay m_prompter;
    TextMeasureRelay m_measure;
    RoomPictures m_pictures;
    BillLists m_billLists{m_measure, m_shared};
    BudgetTable m_table{
        {m_doc, m_tableGrid, m_billLists.billGrid(), m_settings.rates, m_shared, m_pictures, m_prompter}};
};
