#pragma once

#include <QString>

// Why a file could not be saved, in words a user understands. The system's
// own texts for a full disk and a missing folder say little ("Unknown error",
// "No such file or directory"), so those two are told apart here.
class SaveFailure
{
public:
    // `systemReason` is the file layer's error text; `bytes` what was to be written.
    static QString reason(const QString &path, const QString &systemReason, qint64 bytes);

    static QString diskFullText() { return QStringLiteral("磁盘空间不足，文件未保存。"); }
    static QString missingFolderText(const QString &folder)
    {
        return QStringLiteral("文件夹“%1”不存在，文件未保存。").arg(folder);
    }
};
