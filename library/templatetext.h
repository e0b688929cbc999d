#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The text layer of template files: UTF-8 with a byte-order mark and CR LF
// line ends on disk, plain LF text in memory.
class TemplateText
{
public:
    // Files above this size are refused rather than exhausting memory.
    static constexpr qint64 MaxFileBytes = 256ll * 1024 * 1024;

    // The file's text, or nothing when it is missing, unreadable or too large.
    static std::optional<QString> read(const QString &path);
    // Bytes as read from disk to the in-memory text: mark dropped, CR LF as LF.
    static QString decode(const QByteArray &bytes);
    // In-memory text to the bytes on disk: mark first, every LF as CR LF.
    static QByteArray encode(const QString &text);
    // Replaces the file atomically; false (with a reason in `error`) on failure.
    static bool write(const QString &path, const QString &text, QString *error = nullptr);
};
