#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The byte form of a project file: UTF-8 with a byte-order mark and CR LF
// line ends, as a text-mode stream of the first versions wrote it.
namespace ProjectFileEncoding {

// The document text (LF line ends) as the bytes of a file.
QByteArray encode(QStringView documentText);

// The bytes of a file as document text: the byte-order mark skipped, CR LF
// turned into LF, invalid UTF-8 replaced by U+FFFD.
QString decode(QByteArrayView bytes);

} // namespace ProjectFileEncoding
