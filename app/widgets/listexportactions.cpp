#include "listexportactions.h"

#include "ctemp_information.h"
#include "ctipsdlg.h"

#include "app/appcontext.h"
#include "reports/billlists.h"

#include <QFileDialog>

ListExportActions::ListExportActions(AppContext &context, QWidget *window, CTemp_Information &status)
    : QObject(window), m_context(context), m_window(window), m_status(status),
      m_last(context.folders().settingsFile())
{
}

std::optional<QString> ListExportActions::choosePath(const ListExport::SaveChoice &choice) const
{
    QFileDialog dialog(m_window, QStringLiteral("导出"), choice.proposedPath, choice.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A bare name gets the format's suffix, so the overwrite question asks about the file written.
    dialog.setDefaultSuffix(choice.suffix);
    dialog.selectFile(choice.proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void ListExportActions::run(ListExport::Format format)
{
    const ListExport::SaveChoice choice =
        ListExport::saveChoice(format, m_context.folders().documentsFolder(),
                               m_context.document().currentProjectPath, m_last.path());
    const std::optional<QString> path = choosePath(choice);
    if (!path)
        return;
    BillLists &lists = m_context.billLists();
    const int list = lists.currentList();
    const bool progress = format == ListExport::Format::Workbook && list != BillLists::BillOfQuantities;
    if (progress)
        m_status.showProgress(m_window, QStringLiteral("导出Excel"), QStringLiteral("正在导出中......"));
    QString error;
    const bool written = ListExport::write(format, lists.grid(list), list, *path, &error);
    if (progress)
        m_status.endProgress();
    if (written) {
        // Not being able to keep the folder for next time does not spoil the export.
        m_last.remember(*path);
        showSuccess();
    } else {
        showFailure(error);
    }
}

void ListExportActions::showSuccess() const
{
    CTemp_Information notice(CTemp_Information::SuccessNotice{QString(), QStringLiteral("导出成功")},
                             m_window);
    notice.exec();
}

void ListExportActions::showFailure(const QString &reason) const
{
    CTipsDlg prompt(QString(), reason, Prompter::ExportFailed, 1, m_window);
    prompt.exec();
}
