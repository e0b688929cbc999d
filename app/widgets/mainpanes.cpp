#include "mainpanes.h"

#include "caddlistdlg.h"

#include "app/appcontext.h"
#include "estimate/widgets/ctabledlg.h"
#include "library/widgets/cedititemroomdlg.h"
#include "library/widgets/citemdlg.h"
#include "reports/widgets/cdetaillistdlg.h"
#include "reports/widgets/cparticulars.h"

#include <QTimer>

MainPanes::MainPanes(AppContext &context, QWidget *window)
    : QObject(window), m_context(context), m_window(window),
      m_projectForm(context.estimateDocument(), &context.tableGrid(), &context.billLists()),
      m_operations(context.budgetTable(), context.libraryItems())
{
    AppSettings &settings = context.settings();
    m_left = new CItemDlg({context.library(), context.libraryTree(), context.shared(), context.prompter(),
                           settings.templateList, settings.selectedTemplate, settings.currentTemplatePath,
                           m_customItemCounter, [&context] { return context.estimate().roomNames(); }},
                          window);
    m_left->setObjectName(QStringLiteral("CItemDlg"));
    m_left->setProposedTemplatePath(context.folders().proposedTemplateFile());
    m_form = new CAddListDlg(m_projectForm, window);
    m_form->setObjectName(QStringLiteral("CAddListDlg"));
    createTablePanes(window);
    connectLeftPane();
    // Head fields change by the form and by undo and redo alike; the context rewrites the grids.
    connect(&context.estimateDocument(), &EstimateDocument::changed, this, [this](const EstimateChange &change) {
        if (!change.headFields.isEmpty())
            m_form->showFieldTexts();
        refreshRoomsSoon();
    });
    refreshDocument();
}

void MainPanes::createTablePanes(QWidget *window)
{
    m_table = new CTableDlg(m_context.budgetTable(), m_operations, window);
    m_table->setObjectName(QStringLiteral("CTableDlg"));
    m_bills = new CDetailListDlg(m_context.billLists(), m_context.budgetTable(), window);
    m_bills->setObjectName(QStringLiteral("CDetailListDlg"));
    connect(m_table, &CTableDlg::roomsChanged, m_left, &CItemDlg::fillRoomsTree);
    // The room that takes double-clicked items follows the active row of the table.
    connect(&m_context.tableGrid(), &Grid::activeCellChanged, this, &MainPanes::markReceivingRoomSoon);
    connect(m_table, &CTableDlg::roomsChanged, this, &MainPanes::markReceivingRoomSoon);
    m_particulars = new CParticulars(window);
    connect(m_table, &CTableDlg::hoverRequested, this, [this](int index, const QRect &cell) {
        const QList<EstimateRow> &rows = m_context.estimate().rows();
        if (index >= 0 && index < rows.size())
            m_particulars->showFor(rows.at(index).item.brand, cell);
    });
    connect(m_table, &CTableDlg::hoverEnded, m_particulars, &QWidget::hide);
}

void MainPanes::connectLeftPane()
{
    connect(m_left, &CItemDlg::addLibraryItemRequested, m_table, &CTableDlg::addLibraryItem);
    connect(m_left, &CItemDlg::addToAllRoomsRequested, m_table, &CTableDlg::addToAllRooms);
    connect(m_left, &CItemDlg::roomSelected, m_table, &CTableDlg::selectRoom);
    connect(m_left, &CItemDlg::newRoomRequested, m_table, &CTableDlg::createRoom);
    connect(m_table, &CTableDlg::libraryChanged, m_left, &CItemDlg::showLibraryChange);
    connect(m_table, &CTableDlg::resourceEditorRequested, this, &MainPanes::editResources);
}

void MainPanes::editResources(int estimateIndex)
{
    const QList<EstimateRow> &rows = m_context.estimate().rows();
    if (estimateIndex < 0 || estimateIndex >= rows.size() || !rows.at(estimateIndex).isConstruct())
        return;
    CEditItemRoomDlg editor(rows.at(estimateIndex).item, m_window);
    editor.setEstimateRows(rows, estimateIndex);
    if (editor.exec() == QDialog::Accepted)
        m_operations.repriceAfterResourceEdit(editor.savedItem());
}

void MainPanes::showView(int view, int list, int clientWidth, int clientHeight)
{
    m_left->layoutForView(view, 0, clientHeight);
    m_left->setCurrentStep(view == CItemDlg::ListView ? CItemDlg::BillStep + list : view);
    if (view == CItemDlg::TableView)
        m_table->showInMainWindow(clientWidth, clientHeight);
    else if (view == CItemDlg::ListView)
        m_bills->showInMainWindow(clientWidth, clientHeight, list);
}

void MainPanes::runOnceSoon(bool &pending, const std::function<void()> &work)
{
    // A project being read changes the estimate and the active cell with every row: act once it is done.
    if (pending)
        return;
    pending = true;
    QTimer::singleShot(0, this, [&pending, work] {
        pending = false;
        work();
    });
}

void MainPanes::markReceivingRoomSoon()
{
    runOnceSoon(m_roomMarkPending,
                [this] { m_left->markReceivingRoom(m_context.budgetTable().receivingRoomOrdinal()); });
}

void MainPanes::refreshRoomsSoon()
{
    runOnceSoon(m_roomsRefreshPending, [this] {
        if (m_left->shownRoomNames() == m_context.estimate().roomNames())
            return;
        m_left->fillRoomsTree();
        markReceivingRoomSoon();
    });
}

void MainPanes::refreshDocument()
{
    m_form->showFieldTexts();
    m_left->fillRoomsTree();
    m_left->markReceivingRoom(m_context.budgetTable().receivingRoomOrdinal());
    m_table->showTableTop();
}
