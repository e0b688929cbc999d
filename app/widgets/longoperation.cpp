#include "longoperation.h"

#include "mainlayout.h"

#include "progress/progresslauncher.h"

#include <QTimer>
#include <QWidget>

LongOperation::LongOperation(QWidget *window, DocumentState &document, QObject *parent)
    : QObject(parent), m_window(window), m_document(document), m_launcher(new ProgressLauncher(this))
{
    connect(m_launcher, &ProgressLauncher::reported, this, &LongOperation::onReported);
}

bool LongOperation::start(PendingOperation pending, std::function<void()> operation)
{
    if (!operation)
        return false;
    if (m_busy)
        m_waiting.append({pending, std::move(operation)});
    else
        begin(pending, std::move(operation));
    return true;
}

void LongOperation::begin(PendingOperation pending, std::function<void()> operation)
{
    m_busy = true;
    m_document.pendingOperation = pending;
    m_operation = std::move(operation);
    m_launcher->start();
}

QRect LongOperation::progressRect() const
{
    if (!m_window)
        return {};
    return MainLayout::progressWindow(QRect(m_window->mapToGlobal(QPoint(0, 0)), m_window->size()));
}

void LongOperation::onReported()
{
    m_launcher->place(progressRect());
    if (m_window)
        m_window->setEnabled(false);
    // The delay lets the progress strip paint before the window is busy.
    QTimer::singleShot(RunDelayMs, this, &LongOperation::run);
}

void LongOperation::run()
{
    const std::function<void()> operation = std::move(m_operation);
    m_operation = nullptr;
    if (operation)
        operation();
    m_document.pendingOperation = PendingOperation::None;
    if (m_window)
        m_window->setEnabled(true);
    m_launcher->close();
    m_busy = false;
    emit finished();
    if (!m_waiting.isEmpty()) {
        Waiting next = m_waiting.takeFirst();
        begin(next.pending, std::move(next.operation));
    }
}
