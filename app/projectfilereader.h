#pragma once

#include "projectdocument.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Reads a project file (.gzj) by plain substring search, the way every
// earlier version scanned it, so their files read the same. Any input ends
// in a result; nothing about the estimate is changed here.

enum class ProjectLoadStatus {
    Loaded,         // document holds the file's content
    NotProjectPath, // the path does not name a project file: nothing to do
    Failed,         // the file could not be read; errorText says why
};

struct ProjectLoadResult {
    ProjectLoadStatus status = ProjectLoadStatus::Failed;
    QString errorText;
    QString noticeText; // after loading: what the user should know about the file read
    ProjectDocument document;
    // Loaded, but the file ends early or lacks an end tag: the document holds what could be read.
    bool damaged = false;
};

// Files beyond this size are refused rather than read into memory.
inline constexpr qint64 MaxProjectFileBytes = qint64(64) << 20;

// Only paths that mention "gzj", in any case, are read.
bool IsProjectPath(const QString &path);

// The nine head values; an empty or missing one is given its label.
ProjectInfo ParseProjectHead(QStringView text);

// The texts of the first rate element, none when the file has no "<rate".
std::optional<ProjectRateTexts> ParseProjectRates(QStringView text);

// Every room element with its doors, windows and items, in file order.
QList<ProjectRoom> ParseProjectItems(QStringView text);

ProjectDocument ParseProjectDocument(QStringView text);

// The bytes of a file parsed as their decoded text would be: the byte-order
// mark skipped, CR LF read as LF, invalid UTF-8 as U+FFFD. Only the values
// are decoded.
ProjectDocument ParseProjectBytes(QByteArrayView bytes);

// The bytes of a file as loading reads them: hostile record counts refused,
// numbers beyond float range read as 0 with a notice.
ProjectLoadResult ReadProjectBytes(QByteArrayView bytes);

// The decoded text of a file, read as ReadProjectBytes reads its bytes.
ProjectLoadResult ReadProjectText(QStringView text);

ProjectLoadResult LoadProjectFile(const QString &path);
