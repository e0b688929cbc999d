#include "printactions.h"

#include "viewswitcher.h"

#include "app/appcontext.h"
#include "reports/billgridsetup.h"
#include "reports/print/listpdfwriter.h"
#include "reports/print/printtextmeasure.h"
#include "reports/widgets/csetpage.h"
#include "reports/widgets/listprintpreview.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

PrintActions::PrintActions(AppContext &context, ViewSwitcher &views, SettingsSaver save, QWidget *window)
    : QObject(window), m_context(context), m_views(views), m_save(std::move(save)), m_window(window)
{
    m_choosePath = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(m_window, QStringLiteral("导出 PDF"), suggested,
                                            QStringLiteral("PDF 文件 (*.pdf)"));
    };
}

// The printed page draws in its own font: the bill's numbers get the room they need in it too.
Grid &PrintActions::printedGrid(int list)
{
    BillLists &lists = m_context.billLists();
    if (list == BillLists::BillOfQuantities)
        BillGridSetup::fitBillWidths(lists.billGrid(), PrintTextMeasure(m_context.textMeasure()));
    return lists.grid(list);
}

PrintPageSetup PrintActions::currentPageSetup() const
{
    return PrintPageSetup::fromSettings(m_context.settings().page);
}

void PrintActions::print()
{
    if (m_views.currentView() != ViewSwitcher::BillView)
        m_views.showBillList(ViewSwitcher::BillOfQuantities + 1);
    BillLists &lists = m_context.billLists();
    const int list = lists.currentList();
    ListPrintPreview::run(printedGrid(list), list, m_context.projectInfo().name, currentPageSetup(), m_window);
}

QString PrintActions::suggestedPdfPath() const
{
    const QString project = m_context.document().currentProjectPath;
    const QString folder = project.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(project).absolutePath();
    BillLists &lists = m_context.billLists();
    QString name = lists.grid(lists.currentList()).text(0, 1).trimmed();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    return QDir(folder).filePath((name.isEmpty() ? QStringLiteral("清单") : name) + QStringLiteral(".pdf"));
}

void PrintActions::exportPdf()
{
    QString path = m_choosePath(suggestedPdfPath());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    BillLists &lists = m_context.billLists();
    const int list = lists.currentList();
    QString error;
    if (!ListPdfWriter::write(printedGrid(list), list, m_context.projectInfo().name, currentPageSetup(), path,
                              &error))
        QMessageBox::warning(m_window, QStringLiteral("导出 PDF"),
                             QStringLiteral("无法写入 %1：%2").arg(QDir::toNativeSeparators(path), error));
}

void PrintActions::pageSetup()
{
    CSetPage dialog(m_context.settings().page, m_save, m_window);
    dialog.exec();
}
