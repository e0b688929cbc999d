#include "workbookexportwriter.h"

#include "app/appcontext.h"
#include "reports/listexport.h"

bool writeWorkbookExport(AppContext &context, const ExportOptions &options, const QString &path,
                         QString *error)
{
    return ListExport::writeWorkbook(context.billLists().grid(options.list), options.list, path, error);
}
