#include "windowtitle.h"

#include "app/documentlifecycle.h"
#include "estimate/documentstate.h"

#include <QTimer>
#include <QWidget>

WindowTitle::WindowTitle(QWidget *window, const DocumentState &document)
    : QObject(window), m_window(window), m_document(document)
{
}

void WindowTitle::refresh()
{
    m_pending = false;
    const QString title = DocumentLifecycle::windowTitle(m_document.currentProjectPath, m_document.modified);
    if (m_window->windowTitle() != title)
        m_window->setWindowTitle(title);
}

void WindowTitle::refreshSoon()
{
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, &WindowTitle::refresh);
}
