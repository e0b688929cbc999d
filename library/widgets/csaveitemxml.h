#pragma once

#include "library/templatechoice.h"
#include "library/templateslots.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <optional>

class LibraryTree;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QuotaLibrary;

// The template file dialog. Save mode (modal, on top) writes the library's
// items into a template chosen by name, optionally locked to the signed-in
// user, and deletes templates from its slots. Open mode is the floating
// template menu: a click on a slot makes that template the current one.
class CSaveItemXML : public QDialog
{
    Q_OBJECT

public:
    using Mode = TemplateSlots::Mode;

    struct Parts {
        QuotaLibrary &library;
        LibraryTree &tree;
        TemplateChoice choice;
        int &customItemCounter;
        QString dataFolder;
    };

    // What the dialog asks of the window around it.
    struct Hooks {
        // The file dialogs: the chosen path, or nothing on Cancel.
        std::function<std::optional<QString>(const QString &proposed, const QString &filter)> chooseSavePath;
        std::function<void()> openFile; // the "Open" button
        std::function<void()> saveSettings;
        std::function<void()> signIn;
        // The library holds other items now: the browser rebuilds its tree.
        std::function<void()> libraryReplaced;
        std::function<void()> showBudgetTable;
    };

    static constexpr int SaveWidth = 342;
    static constexpr int SaveHeight = 520;
    static constexpr int OpenWidth = 160;
    static constexpr int OpenHeight = 294;
    static constexpr int DeleteZoneLeft = 321;
    static constexpr int DeleteZoneRight = 329;

    CSaveItemXML(Mode mode, const Parts &parts, Hooks hooks, QWidget *parent);

    // Save mode: the background that says an edit of the main library goes to a new template.
    void setEditedMainLibrary(bool edited);
    // Fills the slots from the first page (open mode: and shows the menu).
    void refill();

    Mode mode() const { return m_mode; }
    QPushButton *slotButton(int k) const { return m_slotButtons.at(k); }
    const QList<TemplateSlots::Slot> &slotList() const { return m_slotList; }
    QPushButton *pageUpButton() const { return m_pageUp; }
    QPushButton *pageDownButton() const { return m_pageDown; }
    QLineEdit *nameEdit() const { return m_name; }
    QCheckBox *lockBox() const { return m_lock; }
    QLabel *lockLabel() const { return m_lockLabel; }
    QLabel *lockHint() const { return m_lockHint; }
    QLabel *alternativeBackground() const { return m_otherBackground; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *openButton() const { return m_open; }

    // A click on slot k at dialog x (save mode: the delete zone deletes).
    void clickSlot(int k, int x);

signals:
    // Save mode: a template was written and selected ("模板已保存成功。").
    void templateSaved();
    // Open mode: a slot was clicked ("导入成功，模板已更新。").
    void templateOpened();
    // Open mode: the template of the slot could not be read.
    void templateReadFailed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createSlots();
    void createSaveControls();
    void createOpenControls();
    void fillSlots();
    void saveSlotClicked(int k, int x);
    void openSlotClicked(int k);
    void deleteSlot(int k, const QString &name);
    void showLockHint(bool shown);
    void onOk();

    Mode m_mode;
    QuotaLibrary &m_library;
    LibraryTree &m_tree;
    TemplateChoice m_choice;
    int &m_customItemCounter;
    QString m_dataFolder;
    Hooks m_hooks;
    TemplateSlots m_slots;
    QList<TemplateSlots::Slot> m_slotList;
    QList<QPushButton *> m_slotButtons;
    QList<QLabel *> m_deleteMarks;
    QPushButton *m_pageUp = nullptr;
    QPushButton *m_pageDown = nullptr;
    QLineEdit *m_name = nullptr;
    QCheckBox *m_lock = nullptr;
    QLabel *m_lockLabel = nullptr;
    QLabel *m_lockHint = nullptr;
    QLabel *m_otherBackground = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_open = nullptr;
};
