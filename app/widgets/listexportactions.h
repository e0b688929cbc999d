#pragma once

#include "app/lastexport.h"
#include "reports/listexport.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class AppContext;
class CTemp_Information;
class QWidget;

// The exports of the list on show, from the list pane and the main window's
// commands: the save dialog (in the last export's folder once there was one),
// the progress window while a resource list is written, then "导出成功" or the
// failure with its reason.
class ListExportActions : public QObject
{
    Q_OBJECT

public:
    ListExportActions(AppContext &context, QWidget *window, CTemp_Information &status);

    void exportWorkbook() { run(ListExport::Format::Workbook); }
    void exportDocument() { run(ListExport::Format::Document); }
    void exportPage() { run(ListExport::Format::Page); }

    QString lastExportPath() const { return m_last.path(); }

private:
    void run(ListExport::Format format);
    std::optional<QString> choosePath(const ListExport::SaveChoice &choice) const;
    void showFailure(const QString &reason) const;
    void showSuccess() const;

    AppContext &m_context;
    QWidget *m_window;
    CTemp_Information &m_status;
    LastExport m_last;
};
