// Renders each pane with sample content into PNG files, for looking at the panes
// without a display: panes_screenshots OUTPUT_FOLDER
#include "app/projectform.h"
#include "app/widgets/caddlistdlg.h"
#include "contracts/grid.h"
#include "contracts/widgets/gridview.h"
#include "contracts/widgets/qttextmeasure.h"
#include "estimate/budgettable.h"
#include "estimate/documentstate.h"
#include "estimate/itemoperations.h"
#include "estimate/roompictures.h"
#include "estimate/tablesharedstate.h"
#include "estimate/widgets/ctabledlg.h"
#include "estimate/widgets/qtroomtextpainter.h"
#include "fakeprompter.h"
#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/widgets/citemdlg.h"
#include "panesfixture.h"
#include "reports/billlists.h"
#include "reports/widgets/cdetaillistdlg.h"
#include "reports/widgets/cparticulars.h"

#include <QApplication>
#include <QDir>
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
    const QString libraryPath = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml");

    QTemporaryDir pictures;
    EstimateDocument doc;
    Estimate &estimate = doc.estimate();
    Grid tableGrid;
    QtTextMeasure measure;
    TableSharedState shared;
    BillLists lists{measure, shared};
    lists.setUp(2);
    RateSettings rates;
    QtRoomTextPainter painter;
    RoomPictures roomPictures{pictures.path(),
                              QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/icon_Pen_back.bmp"), &painter};
    FakePrompter prompter;
    BudgetTable budget{{doc, tableGrid, lists.billGrid(), rates, shared, roomPictures, prompter}};
    budget.setTextMeasure(&measure);
    budget.setUpGrid(pictures.path());
    QuotaLibrary library;
    library.LoadTemplate(libraryPath, libraryPath);
    LibraryTree tree;
    TemplateItems items{library};
    ItemOperations operations{budget, items};
    QStringList templateList{libraryPath};
    int selected = 0;
    QString current = libraryPath;
    int counter = 1;

    CItemDlg left({library, tree, shared, prompter, templateList, selected, current, counter,
                   [&estimate] { return estimate.roomNames(); }});
    CTableDlg table(budget, operations);
    QObject::connect(&table, &CTableDlg::roomsChanged, &left, &CItemDlg::fillRoomsTree);
    prompter.roomNames = {QStringLiteral("前院"), QStringLiteral("后院")};
    for (const QuotaItem &item : library.items()) {
        if (item.itemName == QStringLiteral("场地平整") || item.itemName == QStringLiteral("潜水泵安装"))
            table.addLibraryItem(item.treeNode);
    }
    table.createRoom();
    left.resize(CItemDlg::PaneWidth, 700);
    left.layoutForView(CItemDlg::TableView, 0, 819);
    left.show();
    save(left, folder, QStringLiteral("itemdlg"));
    left.searchBox()->setText(QStringLiteral("水泵"));
    save(left, folder, QStringLiteral("itemdlg_search"));
    left.layoutForView(CItemDlg::FormView, 0, 819);
    save(left, folder, QStringLiteral("itemdlg_form_view"));

    table.showInMainWindow(1250, 819);
    save(table, folder, QStringLiteral("tabledlg"));

    ProjectForm form(doc, &tableGrid, &lists);
    CAddListDlg dialog(form);
    dialog.show();
    dialog.startEdit(0);
    dialog.editBox(0)->setText(QStringLiteral("湖畔花园"));
    dialog.startEdit(1);
    save(dialog, folder, QStringLiteral("addlistdlg"));

    CDetailListDlg listPane(lists, budget);
    listPane.showInMainWindow(1250, 819, 0);
    save(listPane, folder, QStringLiteral("detaillistdlg_bill"));
    shared.markListsStale();
    listPane.showInMainWindow(1250, 819, 1);
    listPane.buildMaterialList();
    save(listPane, folder, QStringLiteral("detaillistdlg_material"));
    listPane.showInMainWindow(1250, 819, 2);
    listPane.buildMachineList();
    save(listPane, folder, QStringLiteral("detaillistdlg_machine"));

    CParticulars hover;
    for (const EstimateRow &row : estimate.rows()) {
        if (row.isConstruct() && !row.item.brand.materials.isEmpty())
            hover.showFor(row.item.brand, QRect(100, 100, 50, 20));
    }
    save(hover, folder, QStringLiteral("particulars"));
    return 0;
}
