#pragma once

#include <QByteArrayView>

// Whether the bytes of a project file are whole: it ends with its root's end tag, the head
// is closed, and every room, item and resource block that opens also closes. The reader
// reads a damaged file as far as it can; this tells the user that part of it is missing.
namespace ProjectFileIntegrity {

bool isComplete(QByteArrayView bytes);

} // namespace ProjectFileIntegrity
