// Renders the template windows over the bundled library and the sample
// project into PNG files: template_screenshots OUTPUT_FOLDER
#include "app/appcontext.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/documentcommands.h"
#include "app/widgets/mainpanes.h"
#include "app/widgets/templatecommands.h"
#include "library/templatechoice.h"
#include "library/widgets/cedititemroomdlg.h"
#include "library/widgets/cedittempitemdlg.h"
#include "library/widgets/citemdlg.h"
#include "library/widgets/csaveitemxml.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

void save(QWidget &widget, const QString &folder, const QString &name)
{
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QTemporaryDir documents;
    AppContext context(AppFolders(documents.path(), QCoreApplication::applicationDirPath()));
    context.startUp();
    CQuillaryDlg window(context);
    window.documents().setOpenChooser([](const QString &) {
        return std::optional<QString>(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/examples/garden.gzj"));
    });
    window.documents().openProject();
    window.show();

    // A second and a locked template, so that the slots show every picture.
    const QString data = context.folders().dataFolder();
    const QString library = context.folders().mainLibraryFile();
    for (const QString &name : {QStringLiteral("庭院绿化.xml"), QStringLiteral("屋顶花园.oml")}) {
        QFile::copy(library, QDir(data).filePath(name));
        context.settings().templateList.append(QDir(data).filePath(name));
    }
    context.settings().selectedTemplate = 1;
    context.settings().currentTemplatePath = context.settings().templateList.at(1);
    context.library().LoadTemplate(context.settings().currentTemplatePath, library);
    window.panes().left()->fillLibraryTree();

    AppSettings &s = context.settings();
    const TemplateChoice choice{s.templateList, s.selectedTemplate, s.currentTemplatePath};
    CItemDlg *left = window.panes().left();
    CEditTempItemDlg editor({context.library(), context.libraryTree(), choice, left->customItemCounter(),
                             left->selection(), context.prompter()},
                            1, &window);
    editor.show();
    save(editor, folder, QStringLiteral("dialog-template-editor"));

    CSaveItemXML saveDialog(
        CSaveItemXML::Mode::Save,
        {context.library(), context.libraryTree(), choice, left->customItemCounter(), data}, {}, &window);
    saveDialog.nameEdit()->setText(QStringLiteral("庭院绿化"));
    saveDialog.show();
    save(saveDialog, folder, QStringLiteral("dialog-save-template"));

    window.templates().showFloatingMenu();
    QApplication::processEvents();
    save(window, folder, QStringLiteral("menu-floating-templates"));
    window.templates().hideFloatingMenu();

    for (const EstimateRow &row : context.estimate().rows()) {
        if (row.isConstruct() && row.item.brand.materials.size() > 1) {
            CEditItemRoomDlg resources(row.item, &window);
            resources.show();
            save(resources, folder, QStringLiteral("dialog-resource-editor"));
            break;
        }
    }
    context.document().modified = false;
    return 0;
}
