#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Line ends between the files (CR LF) and the texts in memory (LF), in one
// pass each way: a replace through QString re-copies the text again and
// again on files of many lines.
namespace LineEnds {

// Every CR LF pair as LF, left to right; a CR not followed by LF stays.
QString crLfToLf(QString text);

// Every LF as CR LF, including one already preceded by a CR.
QByteArray lfToCrLf(QByteArrayView text);
QString lfToCrLf(QStringView text);

// text.toUtf8() with every LF as CR LF, without the intermediate copy.
QByteArray toUtf8WithCrLf(QStringView text);

} // namespace LineEnds
