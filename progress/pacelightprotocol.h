#pragma once

#include "pacelightmessage.h"

#include <QByteArray>
#include <QString>

// How the main program and Pacelight find and talk to each other: the main
// program listens on a local socket named after its own id and hands Pacelight
// that id as " %d" on the command line; the messages are short text lines.
class PacelightProtocol
{
public:
    static constexpr int StartedCode = 30;
    static constexpr int FinishedCode = 31;

    static QString serverName(qint64 endpointId);
    // The id on a command line: leading white space skipped, then a decimal number;
    // anything else, negative numbers and overflow give 0 (no main program to report to).
    static qint64 endpointFromCommandLine(const QString &commandLine);
    static QString commandLineFor(qint64 endpointId);

    static QByteArray encode(const PacelightMessage &message);
    // One line without its line end; malformed lines answer Kind::Invalid.
    static PacelightMessage decode(const QByteArray &line);
};
