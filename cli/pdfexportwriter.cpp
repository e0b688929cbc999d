#include "pdfexportwriter.h"

#include "exportoptions.h"
#include "headlessproject.h"

#include "reports/print/listpdfwriter.h"
#include "reports/printpagesetup.h"

bool writePdfExport(HeadlessProject &project, const ExportOptions &options, QString *error)
{
    AppContext &context = project.context();
    return ListPdfWriter::write(context.billLists().grid(options.list), options.list,
                                context.projectInfo().name, PrintPageSetup::fromSettings(options.page),
                                options.output, error);
}
