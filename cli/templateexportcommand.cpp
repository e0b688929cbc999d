#include "templateexportcommand.h"

#include "clicommand.h"
#include "sheetarguments.h"

#include "templatereadreport.h"

#include "library/quotalibrary.h"
#include "library/quotasheetexporter.h"

int runTemplateExport(const QStringList &args, QTextStream &, QTextStream &err)
{
    const std::optional<SheetArguments> parsed = SheetArguments::parse(args);
    if (!parsed) {
        err << "template-export: usage: template-export TEMPLATE -o SHEET.xlsx\n";
        return ExitBadInput;
    }
    QuotaLibrary library;
    if (!ReadTemplateForCommand(library, parsed->input, "template-export", err))
        return ExitBadInput;
    QString error;
    if (!QuotaSheetExporter::write(library.items(), parsed->output, &error)) {
        err << "template-export: cannot write " << parsed->output << ": " << error << '\n';
        return ExitBadInput;
    }
    return 0;
}
