#pragma once

#include "browserselection.h"
#include "itemedit.h"
#include "librarytree.h"
#include "quotalibrary.h"
#include "templatechoice.h"

#include <functional>

// The template item editor without its window: a working copy of the item
// list with its own tree, the shown item's grids as an ItemEdit, and OK and
// Cancel. Cancel is simply dropping the editor; the library is then unchanged.
class TemplateEditor
{
public:
    // Asks a prompt (message, button style) and returns its answer (1 is 确定).
    using Ask = std::function<int(int message, int style)>;

    static constexpr int RenameMessage = 9; // "项目名称已存在，是否覆盖？"
    static constexpr int RenameStyle = 7;   // 取消 and 确定

    enum class OkOutcome {
        TemplateWritten,
        TemplateWriteFailed, // the library holds the edit; its file was not replaced
        OpenSaveDialog,      // the main library is current: the edit goes to a new template
    };

    // Opens on the item at openedIndex (1 for the 编辑模板 command); a
    // placeholder there gets a new "自定义<n>" item to show instead.
    TemplateEditor(const QuotaLibrary &library, qsizetype openedIndex, int &customItemCounter,
                   BrowserSelection &browser);

    const QList<QuotaItem> &items() const { return m_items; }
    const LibraryTree &tree() const { return m_tree; }
    // -1 when the list holds no item.
    qsizetype shownIndex() const { return m_shown; }
    // The grids of the shown item; the window writes the user's typing here.
    ItemEdit &edit() { return m_edit; }
    const ItemEdit &edit() const { return m_edit; }

    // A click on a tree node: commits the shown item, then shows the clicked
    // one; the "添加定额" node adds a new item to its category first.
    void selectNode(int node);
    // "删除" on an item node; the grids' uncommitted edits are dropped.
    bool deleteNode(int node);
    // A click on the name cell.
    void beginNameEdit() { m_nameEditing = true; }
    // The name cell was edited. True when the new name stands; otherwise the
    // edit keeps the old name.
    bool nameEdited(const QString &text, const Ask &ask);
    // Reads the grids back into the shown item and carries changed line prices
    // over to equal lines of every item.
    void commitShown();
    // Commits, puts the working list into the library and rebuilds its tree;
    // writes the current template unless it is the main library.
    OkOutcome ok(QuotaLibrary &library, LibraryTree &libraryTree, const TemplateChoice &choice);

    // The number after "自定义" as atoi reads it, at least 0 and below INT_MAX.
    static int customNumber(const QString &name);

private:
    qsizetype addCustomItem(qsizetype placeholder, bool numOne);
    void show(qsizetype index);
    void reselectByLastClick();
    qsizetype sameNameInCategory(const QString &name) const;
    void removeWorkingItem(qsizetype index);
    void propagatePrices(const QList<MtLine> &lines, bool machines);

    QList<QuotaItem> m_items;
    LibraryTree m_tree;
    ItemEdit m_edit;
    qsizetype m_shown = -1;
    bool m_nameEditing = false;
    int &m_customItemCounter;
    BrowserSelection &m_browser;
};
