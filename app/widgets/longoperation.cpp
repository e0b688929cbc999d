#include "longoperation.h"

#include <QTimer>
#include <QWidget>

LongOperation::LongOperation(QWidget *window, DocumentState &document, QObject *parent)
    : QObject(parent), m_window(window), m_document(document)
{
}

bool LongOperation::start(PendingOperation pending, std::function<void()> operation)
{
    if (m_operation || !operation)
        return false;
    m_document.pendingOperation = pending;
    m_operation = std::move(operation);
    // The delay lets the progress window appear before the window is busy.
    QTimer::singleShot(RunDelayMs, this, &LongOperation::run);
    return true;
}

void LongOperation::run()
{
    if (m_window)
        m_window->setEnabled(false);
    const std::function<void()> operation = std::move(m_operation);
    m_operation = nullptr;
    operation();
    m_document.pendingOperation = PendingOperation::None;
    if (m_window)
        m_window->setEnabled(true);
    emit finished();
}
