#pragma once

#include "library/browserselection.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class LibraryTree;
class Prompter;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QuotaLibrary;
struct TableSharedState;

// The left pane: the step buttons, the library tree with its search, the template
// commands and the rooms of the estimate. It shows the library and the rooms and
// forwards the user's requests; the library commands and the table do the work.
class CItemDlg : public QWidget
{
    Q_OBJECT

public:
    enum Step { ProjectInfoStep, BudgetStep, BillStep, MaterialStep, MachineStep, StepCount };
    enum View { FormView, TableView, ListView };
    static constexpr int PaneX = 1;
    static constexpr int PaneY = 93;
    static constexpr int PaneWidth = 210;

    struct Parts {
        QuotaLibrary &library;
        LibraryTree &tree;
        TableSharedState &shared;
        Prompter &prompter;
        // The template list of the settings, its selection and the selected path.
        QStringList &templateList;
        int &selectedTemplate;
        QString &currentTemplatePath;
        // The number for the next "自定义%d" item of the template editor.
        int &customItemCounter;
        // The rooms of the project, top to bottom, for the rooms tree.
        std::function<QStringList()> roomNames;
    };

    explicit CItemDlg(const Parts &parts, QWidget *parent = nullptr);

    // Rebuilds the library tree from the item list (after every template read and
    // edit); selects again the item the template editor showed last.
    void fillLibraryTree();
    // Shows the library tree as it stands after an item went into a category,
    // keeping the open categories and the selection.
    void showLibraryChange();
    // What the template editor reads and sets to bring the user back to his item.
    BrowserSelection &selection() { return m_selection; }
    // Rebuilds the rooms tree from the project's room names (a room was added, renamed or deleted).
    void fillRoomsTree();
    // The room names the rooms tree lists now.
    const QStringList &shownRoomNames() const { return m_shownRoomNames; }
    // Marks the room that double-clicked items go into; -1 marks none.
    void markReceivingRoom(int ordinal);
    int markedRoom() const { return m_markedRoom; }
    // Makes the file the current template.
    void openTemplateFile(const QString &path);
    // The path the open dialog proposes until the user picks another.
    void setProposedTemplatePath(const QString &path) { m_proposedTemplatePath = path; }
    // "打开模板": the file dialog, then openTemplateFile with the chosen path.
    void chooseTemplateFile();
    // Replaces the file dialog (tests answer it directly): the chosen path or nothing.
    void setOpenPathChooser(std::function<std::optional<QString>(const QString &proposed)> chooser)
    {
        m_chooseOpenPath = std::move(chooser);
    }
    int &customItemCounter() { return m_customItemCounter; }
    // Places the controls for a view; top and bottom are the main window's client range.
    void layoutForView(int view, int top, int bottom);
    // The step of the view on show is disabled, the others enabled.
    void setCurrentStep(int step);

    QTreeWidget *libraryTree() const { return m_libraryTree; }
    QTreeWidget *resultTree() const { return m_resultTree; }
    QTreeWidget *roomsTree() const { return m_roomsTree; }
    QLineEdit *searchBox() const { return m_searchBox; }
    QPushButton *stepButton(int step) const { return m_steps[step]; }
    QPushButton *newRoomButton() const { return m_newRoom; }
    QPushButton *searchButton() const { return m_search; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *templateButton() const { return m_templateButton; }
    QPushButton *newProjectButton() const { return m_newProject; }
    // The library node a tree item shows (0 for none).
    static int nodeOf(const QTreeWidgetItem *item);
    QTreeWidgetItem *libraryItemOfNode(int node) const { return m_itemsByNode.value(node); }

    // The menus, built here and shown at a point; tests trigger their actions.
    QMenu *itemMenu(int itemIndex, bool withDelete);
    QMenu *templateMenu();

    // Double-click on a library node.
    void activateLibraryNode(int node);
    // Double-click on a result node.
    void activateResult(QTreeWidgetItem *result);
    void addToAllRooms(int itemIndex);
    void editItem(int itemIndex);
    void deleteItem(int itemIndex);
    void clearSearch();

signals:
    void stepRequested(int step);
    void newProjectRequested();
    // Code 1 of the table: the item of this node into the current room (queue it).
    void addLibraryItemRequested(qint64 treeNode);
    // Code 2: the item into every room; finishes before the menu returns.
    void addToAllRoomsRequested(qint64 treeNode);
    // Code 16: the room at shared selectedRoomIndex is selected in the table.
    void roomSelected(int roomIndex);
    // "新建房间": the table asks for a name and adds the room, then fillRoomsTree runs.
    void newRoomRequested();
    // The template item editor on this item (a "添加定额" placeholder adds to its category).
    void templateEditorRequested(int itemIndex);
    // The save dialog; editedMainLibrary when an edit of the main library must go to a new template.
    void saveTemplateRequested(bool editedMainLibrary);
    void importTemplateRequested();
    // A template was read: the settings are saved and the success notice shown.
    void templateOpened();
    // The file is no template: "请导入正确的模板文件".
    void templateReadFailed();
    // A deletion could not be written to the template file.
    void templateWriteFailed();
    void showBudgetTableRequested();
    // Code 6: the floating template menu closes.
    void closeFloatingMenuRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createControls();
    void showTreeNodes();
    void reselect();
    void createStepButtons();
    QTreeWidget *createTree();
    void showTemplateName();
    void connectTrees();
    void onSearchTextChanged(const QString &text);
    void showSearchState();
    void onLibraryContextMenu(const QPoint &pos);
    void onResultContextMenu(const QPoint &pos);
    void onRoomClicked(QTreeWidgetItem *item);
    void requestTemplateCommand(int command);
    bool allowedToEdit();
    qsizetype itemIndexOfNode(int node) const;
    void layoutTableView(int top, int bottom);
    void layoutOtherView(int top);
    void layoutRoomsArea(int bottom);
    void placeListSteps(int y);

    QuotaLibrary &m_library;
    LibraryTree &m_tree;
    TableSharedState &m_shared;
    std::function<QStringList()> m_roomNames;
    QStringList m_shownRoomNames;
    Prompter &m_prompter;
    QStringList &m_templateList;
    int m_markedRoom = -1;
    int &m_selectedTemplate;
    QString &m_currentTemplatePath;
    int &m_customItemCounter;

    std::array<QPushButton *, StepCount> m_steps{};
    QPushButton *m_newProject = nullptr;
    QPushButton *m_templateButton = nullptr;
    QLineEdit *m_searchBox = nullptr;
    QPushButton *m_search = nullptr;
    QPushButton *m_clear = nullptr;
    QTreeWidget *m_libraryTree = nullptr;
    QTreeWidget *m_resultTree = nullptr;
    QPushButton *m_newRoom = nullptr;
    QTreeWidget *m_roomsTree = nullptr;
    QHash<int, QTreeWidgetItem *> m_itemsByNode;
    BrowserSelection m_selection;
    QString m_proposedTemplatePath;
    std::function<std::optional<QString>(const QString &)> m_chooseOpenPath;
    int m_view = FormView;
    int m_bottom = 0;
};
