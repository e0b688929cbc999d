#pragma once

#include "library/quotalibrary.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A library and a scratch folder for template files written by a test.
class TemplateFixture : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A template text with the acceptance word, wrapping `body` (UTF-8, LF).
    static QByteArray templateBytes(const char *body)
    {
        return QByteArray("<root>\n<From site=\"Plotwright\"/>\n") + body + "\n</root>";
    }

    bool load(const char *body, const QString &mainLibraryPath = QString())
    {
        return m_library.LoadTemplate(writeFile(QStringLiteral("t.xml"), templateBytes(body)),
                                      mainLibraryPath);
    }

    QTemporaryDir m_dir;
    QuotaLibrary m_library;
};
