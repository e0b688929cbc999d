#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class GridView;
class QWidget;

// Tab and Enter in a grid view make one move of its pane's own, whether or not a cell
// editor is open (an open one is ended first); Escape does nothing, not even in an editor.
class CellEditorKeys : public QObject
{
public:
    // The same move for Tab and Enter.
    CellEditorKeys(GridView *view, std::function<void()> move);
    // A move that depends on the key: Qt::Key_Tab, or Qt::Key_Return for either Enter key.
    CellEditorKeys(GridView *view, std::function<void(int key)> move);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchEditor(QWidget *editor);
    bool onKey(QObject *watched, int key);

    GridView *m_view;
    std::function<void(int key)> m_move;
    QPointer<QWidget> m_editor;
    // Set while a Tab ends the open editor through an Enter sent to it.
    bool m_endingWithTab = false;
};
