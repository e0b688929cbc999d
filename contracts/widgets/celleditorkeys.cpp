#include "celleditorkeys.h"

#include "gridview.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {

bool isTabOrEnter(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CellEditorKeys::CellEditorKeys(GridView *view, std::function<void()> move)
    : CellEditorKeys(view, [move = std::move(move)](int) { move(); })
{
}

CellEditorKeys::CellEditorKeys(GridView *view, std::function<void(int key)> move)
    : QObject(view), m_view(view), m_move(std::move(move))
{
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
}

void CellEditorKeys::watchEditor(QWidget *editor)
{
    m_editor = editor;
    // Installed once the view has set the editor up, so this filter runs before the
    // delegate's, which would take Tab for its own move and open the next editor.
    QPointer<QWidget> added = editor;
    QMetaObject::invokeMethod(
        this,
        [this, added] {
            if (added)
                added->installEventFilter(this);
        },
        Qt::QueuedConnection);
}

bool CellEditorKeys::eventFilter(QObject *watched, QEvent *event)
{
    // Cell editors appear as children of the viewport; their keys follow the pane's rules.
    if (event->type() == QEvent::ChildAdded && watched == m_view->viewport()) {
        if (auto *editor = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            watchEditor(editor);
    }
    if (event->type() == QEvent::KeyPress)
        return onKey(watched, static_cast<QKeyEvent *>(event)->key());
    return QObject::eventFilter(watched, event);
}

bool CellEditorKeys::onKey(QObject *watched, int key)
{
    if (key == Qt::Key_Escape)
        return true;
    if (!isTabOrEnter(key))
        return false;
    const int move = key == Qt::Key_Tab ? Qt::Key_Tab : Qt::Key_Return;
    if (watched == m_view || watched == m_view->viewport()) {
        // A line edit passes Enter on to its parent; the editor's own handling below already moves.
        if (!(m_editor && m_editor->isVisible()))
            m_move(move);
        return true;
    }
    if (key == Qt::Key_Tab) {
        // Tab ends the edit as Enter does; the delegate would otherwise open the next editor itself.
        m_endingWithTab = true;
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(watched, &enter);
        m_endingWithTab = false;
        return true;
    }
    // The delegate writes the text back and closes the editor; the move follows.
    const int queued = m_endingWithTab ? Qt::Key_Tab : move;
    QMetaObject::invokeMethod(
        this, [this, queued] { m_move(queued); }, Qt::QueuedConnection);
    return false;
}
