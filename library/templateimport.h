#pragma once

#include <QString>
#include <QTemporaryDir>

#include <atomic>

// Bringing a quota spreadsheet in as a template: the checks before the
// conversion, the conversion itself (run on a worker thread) and the step that
// puts the converted template into the data folder. A cancelled import never
// reaches the data folder, even when its conversion ends later.
class TemplateImport
{
public:
    enum class Check {
        OpenDirectly, // a template file chosen in the spreadsheet dialog
        Missing,      // "文件不存在,请输入正确的文件名"
        InUse,        // "请先关闭文件，再进行导入操作"
        Convert,
    };
    enum class Outcome { Cancelled, Refused, WriteFailed, Ready };

    static QString missingText() { return QStringLiteral("文件不存在,请输入正确的文件名"); }
    static QString inUseText() { return QStringLiteral("请先关闭文件，再进行导入操作"); }

    static Check check(const QString &path);
    // The file name without its folder and without every ".xls".
    static QString templateName(const QString &sheetPath);
    static QString templatePath(const QString &dataFolder, const QString &sheetPath);

    TemplateImport(QString sheetPath, QString dataFolder);

    // The worker thread's part: converts into a scratch file and marks the work done.
    void convert();
    bool done() const { return m_done.load(); }
    // The user closed the progress dialog: whatever the worker does now is dropped.
    void cancel() { m_cancelled.store(true); }
    bool cancelled() const { return m_cancelled.load(); }
    // After the worker: puts the template into the data folder unless the
    // import was cancelled or the sheet refused.
    Outcome finish();
    // The converter's reason for a refused sheet, or the write failure.
    const QString &error() const { return m_error; }
    QString targetPath() const { return templatePath(m_dataFolder, m_sheetPath); }

private:
    QString m_sheetPath;
    QString m_dataFolder;
    QTemporaryDir m_scratch;
    QString m_error;
    bool m_converted = false;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_cancelled{false};
};
