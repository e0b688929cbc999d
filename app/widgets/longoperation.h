#pragma once

#include "estimate/documentstate.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class ProgressLauncher;
class QWidget;

// A long operation in two halves: first the progress window is started and the
// pending operation noted; once it reports (or after a short wait when it cannot)
// the main window is disabled while the operation runs, then the window closes.
class LongOperation : public QObject
{
    Q_OBJECT

public:
    static constexpr int RunDelayMs = 500;

    LongOperation(QWidget *window, DocumentState &document, QObject *parent);

    ProgressLauncher &launcher() { return *m_launcher; }
    bool isRunning() const { return m_busy; }
    // Started at once, or after the operations already started or waiting (a list shown while
    // another is built is built next). False only for an empty operation.
    bool start(PendingOperation pending, std::function<void()> operation);

signals:
    void finished();

private:
    struct Waiting {
        PendingOperation pending;
        std::function<void()> operation;
    };

    void begin(PendingOperation pending, std::function<void()> operation);
    void onReported();
    void run();
    QRect progressRect() const;

    QPointer<QWidget> m_window;
    DocumentState &m_document;
    ProgressLauncher *m_launcher;
    std::function<void()> m_operation;
    QList<Waiting> m_waiting;
    bool m_busy = false;
};
