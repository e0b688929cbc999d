#pragma once

#include "library/itemeditgrids.h"
#include "library/templatechoice.h"
#include "library/templateeditor.h"

#include "contracts/grid.h"

#include <QDialog>
#include <QHash>

class GridView;
class LibraryTree;
class Prompter;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QuotaLibrary;

// The template item editor: the working list as a tree, the shown item's
// grids, and OK (the edit goes into the library and its file) or Cancel.
class CEditTempItemDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Width = 800;
    static constexpr int Height = 515;

    struct Parts {
        QuotaLibrary &library;
        LibraryTree &libraryTree;
        TemplateChoice choice;
        int &customItemCounter;
        BrowserSelection &browser;
        Prompter &prompter;
    };

    CEditTempItemDlg(const Parts &parts, qsizetype openedIndex, QWidget *parent);
    ~CEditTempItemDlg() override;

    // How OK ended; valid once the dialog was accepted.
    TemplateEditor::OkOutcome outcome() const { return m_outcome; }
    // The template display name on the caption button.
    static QString displayName(const TemplateChoice &choice);

    const TemplateEditor &editor() const { return m_editor; }
    QTreeWidget *tree() const { return m_tree; }
    QTreeWidgetItem *treeItemOfNode(int node) const { return m_itemsByNode.value(node); }
    GridView *itemView() const { return m_itemView; }
    GridView *lineView() const { return m_lineView; }
    Grid &itemGrid() { return m_itemGrid; }
    Grid &lineGrid() { return m_lineGrid; }
    QPushButton *nameButton() const { return m_nameButton; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // A click on a tree node, as the tree reports it.
    void clickNode(int node);
    // "删除" of the node's menu.
    void deleteNode(int node);
    // The grids' clicks and edits, as the views report them.
    void itemCellClicked(int row, int column);
    bool refuseCellEdit(GridView *view, int row, int column);
    void itemCellEdited(int row, int column);
    void lineCellClicked(int row, int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void connectControls();
    void showTree();
    void showShown();
    void onTreeContextMenu(const QPoint &pos);
    void onOk();

    QuotaLibrary &m_library;
    LibraryTree &m_libraryTree;
    TemplateChoice m_choice;
    Prompter &m_prompter;
    TemplateEditor m_editor;
    Grid m_itemGrid;
    Grid m_lineGrid;
    ItemEditGrids m_grids;
    bool m_nameClicked = false;
    TemplateEditor::OkOutcome m_outcome = TemplateEditor::OkOutcome::TemplateWritten;
    QPushButton *m_nameButton = nullptr;
    QTreeWidget *m_tree = nullptr;
    GridView *m_itemView = nullptr;
    GridView *m_lineView = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QHash<int, QTreeWidgetItem *> m_itemsByNode;
};
