#include "pdfexportwriter.h"

#include "app/appcontext.h"
#include "reports/print/listpdfwriter.h"
#include "reports/printpagesetup.h"

bool writePdfExport(AppContext &context, const ExportOptions &options, const QString &path, QString *error)
{
    return ListPdfWriter::write(context.billLists().grid(options.list), options.list,
                                context.projectInfo().name, PrintPageSetup::fromSettings(options.page), path,
                                error);
}
