#include "cparticulars.h"

#include "contracts/widgets/gridview.h"
#include "reports/hoverlist.h"

CParticulars::CParticulars(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("CParticulars"));
    setWindowTitle(QStringLiteral("选中的主材"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    HoverList::setUp(m_grid);
    m_view = new GridView(this);
    m_view->setGrid(&m_grid);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_view, &GridView::cellClicked, this, &CParticulars::shopRequested);
}

void CParticulars::showFor(const BrandData &brand, const QRect &cell)
{
    const int lines = HoverList::fill(m_grid, brand);
    setGeometry(cell.right() + 1, cell.top(), HoverList::WindowWidth, HoverList::windowHeight(lines));
    m_view->setGeometry(rect());
    show();
}
