#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// The toolbar strip of the main window: its buttons sit directly on the window at
// fixed places (some follow the right and bottom edges) and report their command ids.
class MainToolbar : public QObject
{
    Q_OBJECT

public:
    explicit MainToolbar(QWidget *window);

    QAbstractButton *button(int id) const { return m_buttons.value(id); }
    QLabel *accountName() const { return m_accountName; }

    // Buttons that follow the window edges, for a client area of w × h.
    void placeForSize(int w, int h);
    // The 登录 button and the account name follow the signed-in user.
    void showUser(const QString &userName);
    // 撤销 and 重做 are enabled while there is a step to take back or repeat; their tooltips name it.
    void showUndoSteps(const QString &undoTip, bool canUndo, const QString &redoTip, bool canRedo);

signals:
    void command(int id);

private:
    void addFileButtons();
    void addTemplateButtons();
    void addToolButtons();
    void addHomeButtons();
    void addUndoButtons();
    void addSeparator(int x);
    QAbstractButton *addButton(int id, const QString &text, const char *skin, const QString &tip, int x,
                               int width);
    QAbstractButton *addLinkButton(int id, const QString &text, const char *skin, const QString &tip,
                                   int width);

    QWidget *m_window;
    QHash<int, QAbstractButton *> m_buttons;
    QLabel *m_accountName = nullptr;
    QWidget *m_loginLine = nullptr;
};
