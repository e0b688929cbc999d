#include "savefailure.h"

#include <QFileInfo>
#include <QStorageInfo>

QString SaveFailure::reason(const QString &path, const QString &systemReason, qint64 bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return missingFolderText(folder);
    // The failed save has removed its partial file again, so what is free now is
    // what the disk had to offer; a little slack covers the file system's blocks.
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < bytes + 65536)
        return diskFullText();
    return systemReason;
}
