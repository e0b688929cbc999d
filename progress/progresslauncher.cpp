#include "progresslauncher.h"

#include "pacelightprotocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>

ProgressLauncher::ProgressLauncher(QObject *parent)
    : QObject(parent),
      m_program(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pacelight"))),
      m_endpointId(QCoreApplication::applicationPid()),
      m_server(new QLocalServer(this)),
      m_timeout(new QTimer(this))
{
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, &ProgressLauncher::deliver);
    connect(m_server, &QLocalServer::newConnection, this, &ProgressLauncher::onNewConnection);
}

ProgressLauncher::~ProgressLauncher()
{
    if (m_peer)
        m_peer->disconnect(this);
    stopProcess();
}

void ProgressLauncher::start()
{
    if (m_waiting || m_peer)
        close();
    dropPeer();
    m_closing = false;
    m_pacelightId = 0;
    m_place = QRect();
    m_reader = PacelightLineReader();
    const QString name = PacelightProtocol::serverName(m_endpointId);
    if (!m_server->isListening() || m_server->serverName() != name) {
        m_server->close();
        QLocalServer::removeServer(name);  // left behind by a program that crashed
        m_server->listen(name);
    }
    m_waiting = true;
    m_timeout->start(m_reportTimeoutMs);
    stopProcess();
    m_process = new QProcess(this);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            deliver();
    });
    // A helper that dies before reporting will never report.
    connect(m_process, &QProcess::finished, this, &ProgressLauncher::deliver);
    m_process->start(m_program, {PacelightProtocol::commandLineFor(m_endpointId)});
}

bool ProgressLauncher::isHelperRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

void ProgressLauncher::place(const QRect &screenRect)
{
    m_place = screenRect;
    if (m_peer && m_pacelightId != 0)
        send(PacelightProtocol::encode({PacelightMessage::Kind::Place, 0, m_place}));
}

void ProgressLauncher::close()
{
    m_closing = true;
    m_waiting = false;
    m_timeout->stop();
    if (m_peer && m_pacelightId != 0) {
        send(PacelightProtocol::encode({PacelightMessage::Kind::Close, 0, {}}));
        return;
    }
    // Nobody to tell: a helper that never got through is stopped outright.
    stopProcess();
}

void ProgressLauncher::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (m_peer) {
            socket->deleteLater();  // one helper at a time
            continue;
        }
        m_peer = socket;
        connect(socket, &QLocalSocket::readyRead, this, &ProgressLauncher::onReadyRead);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            if (m_peer == socket)
                m_peer = nullptr;
            socket->deleteLater();
        });
        onReadyRead();
    }
}

void ProgressLauncher::onReadyRead()
{
    if (!m_peer)
        return;
    for (const QByteArray &line : m_reader.feed(m_peer->readAll())) {
        const PacelightMessage message = PacelightProtocol::decode(line);
        if (message.kind == PacelightMessage::Kind::Report)
            onReport(message.id);
    }
}

void ProgressLauncher::onReport(qint64 id)
{
    if (m_pacelightId != 0)
        return;  // only the first report counts
    m_pacelightId = id;
    if (m_closing) {
        // The operation finished before the helper got through.
        send(PacelightProtocol::encode({PacelightMessage::Kind::Close, 0, {}}));
        return;
    }
    if (m_place.isValid())
        send(PacelightProtocol::encode({PacelightMessage::Kind::Place, 0, m_place}));
    deliver();
}

void ProgressLauncher::deliver()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    m_timeout->stop();
    emit reported();
}

void ProgressLauncher::send(const QByteArray &bytes)
{
    if (!m_peer)
        return;
    m_peer->write(bytes);
    m_peer->flush();
}

// The previous helper has been told to close; a new one may take its place.
void ProgressLauncher::dropPeer()
{
    if (!m_peer)
        return;
    m_peer->disconnect(this);
    m_peer->disconnectFromServer();
    m_peer->deleteLater();
    m_peer = nullptr;
}

void ProgressLauncher::stopProcess()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
    m_process->deleteLater();
    m_process = nullptr;
}
