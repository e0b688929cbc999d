#include "pacelightclient.h"

#include "pacelightprotocol.h"

#include <QLocalSocket>

PacelightClient::PacelightClient(QObject *parent) : QObject(parent), m_socket(new QLocalSocket(this))
{
    connect(m_socket, &QLocalSocket::connected, this, &PacelightClient::onConnected);
    connect(m_socket, &QLocalSocket::readyRead, this, &PacelightClient::onReadyRead);
}

bool PacelightClient::connectTo(qint64 endpointId, qint64 ownId)
{
    if (endpointId <= 0)
        return false;
    m_ownId = ownId;
    m_socket->connectToServer(PacelightProtocol::serverName(endpointId));
    return true;
}

// The report is not confirmed: a main program that is gone simply never answers.
void PacelightClient::onConnected()
{
    m_socket->write(PacelightProtocol::encode({PacelightMessage::Kind::Report, m_ownId, {}}));
    m_socket->flush();
}

void PacelightClient::onReadyRead()
{
    for (const QByteArray &line : m_reader.feed(m_socket->readAll())) {
        const PacelightMessage message = PacelightProtocol::decode(line);
        if (message.kind == PacelightMessage::Kind::Place)
            emit placeRequested(message.rect);
        else if (message.kind == PacelightMessage::Kind::Close)
            emit closeRequested();
    }
}
