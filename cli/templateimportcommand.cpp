#include "templateimportcommand.h"

#include "clicommand.h"
#include "sheetarguments.h"

#include "library/quotasheetimporter.h"

int runTemplateImport(const QStringList &args, QTextStream &, QTextStream &err)
{
    const std::optional<SheetArguments> parsed = SheetArguments::parse(args);
    if (!parsed) {
        err << "template-import: usage: template-import SHEET -o OUT.xml\n";
        return ExitBadInput;
    }
    QString error;
    if (!QuotaSheetImporter::writeTemplate(parsed->input, parsed->output, &error)) {
        err << "template-import: " << parsed->input << ": " << error << '\n';
        return ExitBadInput;
    }
    return 0;
}
