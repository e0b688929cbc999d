#pragma once

#include "contracts/grid.h"
#include "contracts/gridworkbook.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}

// What openpyxl reads in a workbook (see data/describe_xlsx.py); an empty object
// when it could not read it, with the reason in a test failure.
inline QJsonObject describeWorkbook(const QString &path)
{
    QProcess python;
    // The system's Python carries the Debian openpyxl.
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(PLOTWRIGHT_TEST_DATA "/describe_xlsx.py"), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << "openpyxl could not read " << path.toStdString() << ": "
                      << python.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

inline QJsonObject sheetCell(const QJsonObject &book, const QString &reference)
{
    return book.value(QStringLiteral("cells")).toObject().value(reference).toObject();
}

// "A1" for sheet cell (0, 0).
inline QString cellReference(int row, int column)
{
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}

// A stored column width is the character count plus the cell margins (5 pixels of 7
// per character), rounded to whole pixels.
inline void expectWidth(const QJsonObject &widths, const char *column, double characters)
{
    const double stored = widths.value(QLatin1String(column)).toDouble();
    EXPECT_NEAR(stored - 5.0 / 7.0, characters, 0.08) << column;
}

inline QStringList mergesOf(const QJsonObject &book)
{
    QStringList merges;
    for (const QJsonValue &v : book.value(QStringLiteral("merges")).toArray())
        merges << v.toString();
    return merges;
}

// Runs LibreOffice headless over several files at once (each start costs seconds)
// with a profile of its own, so no user settings take part.
inline bool convertWithLibreOffice(const QStringList &files, const QString &filter, const QString &outDir)
{
    QTemporaryDir home;
    QProcess office;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    office.setProcessEnvironment(env);
    QStringList args{QStringLiteral("-env:UserInstallation=file://") + home.path() +
                         QStringLiteral("/profile"),
                     QStringLiteral("--headless"),
                     QStringLiteral("--convert-to"),
                     filter,
                     QStringLiteral("--outdir"),
                     outDir};
    office.start(QStringLiteral("soffice"), args + files);
    if (!office.waitForFinished(180000)) {
        office.kill();
        office.waitForFinished();
        return false;
    }
    return office.exitCode() == 0;
}

// Rows of a CSV file as LibreOffice writes it: commas, double quotes around
// fields that need them, doubled quotes inside.
inline QList<QStringList> readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                field += c, ++i;
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        rows << (row << field);
    return rows;
}

// The text a sheet shows at (row, column - 1) for grid cell (row, column): the
// anchor's text over a merged range's first cell, nothing over its other cells.
inline QString shownInSheet(const Grid &grid, int row, int column)
{
    const GridRange range = grid.mergedRangeAt(row, column);
    if (range.top != row || range.left != column)
        return QString();
    return GridWorkbook::exportedText(grid.text(row, column));
}
