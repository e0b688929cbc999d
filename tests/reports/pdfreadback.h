#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// A written PDF read back with poppler's tools, as a PDF reader reads it.
namespace PdfReadBack {

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString pageText(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
}

// A field of pdfinfo, such as "Pages" or "Page size"; empty when the file cannot be read.
inline QString info(const QString &pdf, const QString &field)
{
    const QString text = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(field) +
                                      QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(text).captured(1).trimmed();
}

inline int pageCount(const QString &pdf)
{
    return info(pdf, QStringLiteral("Pages")).toInt();
}

} // namespace PdfReadBack
