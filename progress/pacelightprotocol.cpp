#include "pacelightprotocol.h"

#include <QList>

namespace {

qint64 parseId(const QByteArray &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok && value > 0 ? value : 0;
}

} // namespace

QString PacelightProtocol::serverName(qint64 endpointId)
{
    return QStringLiteral("plotwright-%1").arg(endpointId);
}

qint64 PacelightProtocol::endpointFromCommandLine(const QString &commandLine)
{
    const QString text = commandLine.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits) >= QLatin1Char('0') && text.at(digits) <= QLatin1Char('9'))
        ++digits;
    return digits == 0 ? 0 : parseId(text.left(digits).toLatin1());
}

QString PacelightProtocol::commandLineFor(qint64 endpointId)
{
    return QStringLiteral(" %1").arg(endpointId);
}

QByteArray PacelightProtocol::encode(const PacelightMessage &message)
{
    using Kind = PacelightMessage::Kind;
    switch (message.kind) {
    case Kind::Report: return QByteArray::number(StartedCode) + ' ' + QByteArray::number(message.id) + '\n';
    case Kind::Place: {
        const QRect &r = message.rect;
        return "place " + QByteArray::number(r.x()) + ' ' + QByteArray::number(r.y()) + ' ' +
               QByteArray::number(r.width()) + ' ' + QByteArray::number(r.height()) + '\n';
    }
    case Kind::Close: return "close\n";
    case Kind::Invalid: break;
    }
    return {};
}

PacelightMessage PacelightProtocol::decode(const QByteArray &line)
{
    using Kind = PacelightMessage::Kind;
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if (parts.size() == 2 && parts[0] == QByteArray::number(StartedCode)) {
        const qint64 id = parseId(parts[1]);
        return id > 0 ? PacelightMessage{Kind::Report, id, {}} : PacelightMessage{};
    }
    if (parts.size() == 1 && parts[0] == "close")
        return {Kind::Close, 0, {}};
    if (parts.size() == 5 && parts[0] == "place") {
        int v[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            v[i] = parts[i + 1].toInt(&ok);
            if (!ok)
                return {};
        }
        if (v[2] <= 0 || v[3] <= 0)
            return {};
        return {Kind::Place, 0, QRect(v[0], v[1], v[2], v[3])};
    }
    return {};
}
