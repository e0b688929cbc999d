#pragma once

#include "pacelightlinereader.h"

#include <QObject>
#include <QRect>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QProcess;
class QTimer;

// The main program's side of a long operation's progress strip: starts Pacelight,
// waits for its report and then lets the operation run (reported()). When Pacelight
// cannot be started or stays silent, reported() comes anyway after a short wait, so
// an operation never hangs on a missing helper program.
class ProgressLauncher : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultReportTimeoutMs = 2000;

    explicit ProgressLauncher(QObject *parent = nullptr);
    ~ProgressLauncher() override;

    // Defaults: "pacelight" next to this program, this process's id, 2 s.
    void setProgram(const QString &path) { m_program = path; }
    QString program() const { return m_program; }
    void setEndpointId(qint64 id) { m_endpointId = id; }
    qint64 endpointId() const { return m_endpointId; }
    void setReportTimeout(int ms) { m_reportTimeoutMs = ms; }

    // Listens and starts Pacelight. reported() follows exactly once for this start.
    void start();
    // Where the strip should stand on the screen; sent now or as soon as Pacelight reports.
    void place(const QRect &screenRect);
    // The operation is over: Pacelight is told to close (also if it reports late).
    void close();

    bool isWaiting() const { return m_waiting; }
    // Whether the started helper process is still alive.
    bool isHelperRunning() const;
    // The id Pacelight reported, 0 when the operation went ahead without it.
    qint64 pacelightId() const { return m_pacelightId; }

signals:
    // The operation may run now.
    void reported();

private:
    void onNewConnection();
    void onReadyRead();
    void onReport(qint64 id);
    void deliver();
    void send(const QByteArray &bytes);
    void dropPeer();
    void stopProcess();

    QString m_program;
    qint64 m_endpointId = 0;
    int m_reportTimeoutMs = DefaultReportTimeoutMs;
    QLocalServer *m_server = nullptr;
    QLocalSocket *m_peer = nullptr;
    QProcess *m_process = nullptr;
    QTimer *m_timeout = nullptr;
    PacelightLineReader m_reader;
    QRect m_place;
    bool m_waiting = false;
    bool m_closing = false;
    qint64 m_pacelightId = 0;
};
