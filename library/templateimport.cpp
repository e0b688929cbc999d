#include "templateimport.h"

#include "quotasheetimporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString scratchName()
{
    return QStringLiteral("converted.xml");
}

} // namespace

TemplateImport::Check TemplateImport::check(const QString &path)
{
    if (path.contains(QStringLiteral(".xml")) || path.contains(QStringLiteral(".oml")))
        return Check::OpenDirectly;
    if (!QFileInfo(path).isFile())
        return Check::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Check::InUse;
    return Check::Convert;
}

QString TemplateImport::templateName(const QString &sheetPath)
{
    return QFileInfo(sheetPath).fileName().remove(QStringLiteral(".xls"));
}

QString TemplateImport::templatePath(const QString &dataFolder, const QString &sheetPath)
{
    return QDir(dataFolder).filePath(templateName(sheetPath) + QStringLiteral(".xml"));
}

TemplateImport::TemplateImport(QString sheetPath, QString dataFolder)
    : m_sheetPath(std::move(sheetPath)), m_dataFolder(std::move(dataFolder))
{
}

void TemplateImport::convert()
{
    if (!m_scratch.isValid())
        m_error = QStringLiteral("无法建立临时文件夹");
    else
        m_converted =
            QuotaSheetImporter::writeTemplate(m_sheetPath, m_scratch.filePath(scratchName()), &m_error);
    m_done.store(true);
}

TemplateImport::Outcome TemplateImport::finish()
{
    if (m_cancelled.load() || !m_done.load())
        return Outcome::Cancelled;
    if (!m_converted)
        return Outcome::Refused;
    QFile converted(m_scratch.filePath(scratchName()));
    QSaveFile target(targetPath());
    if (!converted.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) {
        m_error = converted.isOpen() ? target.errorString() : converted.errorString();
        return Outcome::WriteFailed;
    }
    const QByteArray bytes = converted.readAll();
    if (target.write(bytes) != bytes.size() || !target.commit()) {
        m_error = target.errorString();
        return Outcome::WriteFailed;
    }
    return Outcome::Ready;
}
