#pragma once

#include "pacelightlinereader.h"

#include <QObject>
#include <QRect>

class QLocalSocket;

// Pacelight's end of the conversation: it reports to the main program that
// started it and passes on where to stand and when to close.
class PacelightClient : public QObject
{
    Q_OBJECT

public:
    explicit PacelightClient(QObject *parent = nullptr);

    // Connects to the main program's endpoint and reports ownId there once the line is up.
    // False, and nothing sent, when the endpoint is 0 (no main program named).
    bool connectTo(qint64 endpointId, qint64 ownId);

signals:
    void placeRequested(const QRect &rect);
    void closeRequested();

private:
    void onConnected();
    void onReadyRead();

    QLocalSocket *m_socket = nullptr;
    qint64 m_ownId = 0;
    PacelightLineReader m_reader;
};
