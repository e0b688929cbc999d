#include "mainpanes.h"

#include "caddlistdlg.h"

#include "app/appcontext.h"
#include "contracts/widgets/gridview.h"
#include "library/widgets/citemdlg.h"

#include <QStackedWidget>

MainPanes::MainPanes(AppContext &context, QWidget *window)
    : QObject(window), m_context(context),
      m_projectForm(context.document(), &context.tableGrid(), &context.billLists()),
      m_operations(context.budgetTable(), context.libraryItems())
{
    AppSettings &settings = context.settings();
    m_left = new CItemDlg({context.library(), context.libraryTree(), context.shared(), context.prompter(),
                           settings.templateList, settings.selectedTemplate, settings.currentTemplatePath,
                           m_customItemCounter},
                          window);
    m_left->setObjectName(QStringLiteral("CItemDlg"));
    m_left->setProposedTemplatePath(context.folders().proposedTemplateFile());
    m_form = new CAddListDlg(m_projectForm, window);
    m_form->setObjectName(QStringLiteral("CAddListDlg"));
    createTablePanes(window);
    connectLeftPane();
    connect(m_form, &CAddListDlg::fieldChanged, this,
            [this](int) { m_context.projectInfo() = m_projectForm.projectInfo(); });
    refreshDocument();
}

void MainPanes::createTablePanes(QWidget *window)
{
    // Plain grid views until the budget table and bill list panes are written.
    m_table = new GridView(window);
    m_table->setObjectName(QStringLiteral("CTableDlg"));
    m_table->setGrid(&m_context.tableGrid());
    m_bills = new QStackedWidget(window);
    m_bills->setObjectName(QStringLiteral("CDetailListDlg"));
    BillLists &lists = m_context.billLists();
    for (Grid *grid : {&lists.billGrid(), &lists.materialGrid(), &lists.machineGrid()}) {
        auto *view = new GridView(m_bills);
        view->setGrid(grid);
        m_bills->addWidget(view);
    }
}

void MainPanes::connectLeftPane()
{
    connect(m_left, &CItemDlg::addLibraryItemRequested, this,
            [this](qint64 node) { m_operations.addLibraryItem(node); });
    connect(m_left, &CItemDlg::addToAllRoomsRequested, this,
            [this](qint64 node) { m_operations.addToAllRooms(node); });
    connect(m_left, &CItemDlg::roomSelected, this, [this](int room) { m_context.budgetTable().selectRoom(room); });
    connect(m_left, &CItemDlg::newRoomRequested, this, [this] {
        if (m_context.budgetTable().createRoom())
            m_left->fillRoomsTree();
    });
}

QWidget *MainPanes::table() const
{
    return m_table;
}

QWidget *MainPanes::bills() const
{
    return m_bills;
}

void MainPanes::showView(int view, int list, int clientHeight)
{
    m_left->layoutForView(view, 0, clientHeight);
    m_left->setCurrentStep(view == CItemDlg::ListView ? CItemDlg::BillStep + list : view);
    if (view == CItemDlg::ListView)
        m_bills->setCurrentIndex(list);
}

void MainPanes::refreshDocument()
{
    m_projectForm.setProjectInfo(m_context.projectInfo());
    m_form->showFieldTexts();
    m_left->fillRoomsTree();
}
