#include "pageexportwriter.h"

#include "app/appcontext.h"
#include "reports/listexport.h"

bool writePageExport(AppContext &context, const ExportOptions &options, const QString &path, QString *error)
{
    return ListExport::writePage(context.billLists().grid(options.list), path, error);
}
