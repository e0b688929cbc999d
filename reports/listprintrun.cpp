#include "listprintrun.h"

#include "billlists.h"
#include "coverpage.h"
#include "printoptions.h"

#include "contracts/grid.h"
#include "contracts/gridalignment.h"
#include "contracts/gridupdateguard.h"

namespace {

constexpr int CoverCaptionLastColumn = 4;
constexpr int CoverValueColumn = 5;
constexpr int ProjectHeaderRows = 4; // title (two rows) and the two header lines

} // namespace

ListPrintRun::ListPrintRun(Grid &grid, int list, const QString &projectName)
    : m_grid(grid), m_list(list), m_projectName(projectName), m_coverValues(CoverPage::values(grid, list))
{
}

ListPrintRun::~ListPrintRun()
{
    restore();
}

bool ListPrintRun::isBill() const
{
    return m_list == BillLists::BillOfQuantities;
}

int ListPrintRun::lastColumn(int list)
{
    return list == BillLists::BillOfQuantities ? 17 : 8;
}

int ListPrintRun::fixedRows(int list)
{
    return list == BillLists::BillOfQuantities ? 6 : 5;
}

void ListPrintRun::showCover()
{
    if (m_form != Form::Screen)
        restore();
    GridUpdateGuard guard(m_grid);
    m_grid.setFixedRowCount(1);
    m_grid.setRowHeight(0, CoverTitleHeight);
    for (int row = 1; row < ProjectHeaderRows; ++row)
        m_grid.setRowHeight(row, 0);
    insertCoverRows();
    GridPageSettings page = m_grid.pageSettings();
    page.headerText.clear();
    page.footerText = coverFooter();
    page.lastPrintRow = CoverFirstRow + CoverPage::LineCount - 1;
    m_grid.setPageSettings(page);
    setFixedOptions();
    m_form = Form::Cover;
}

void ListPrintRun::insertCoverRows()
{
    const int last = lastColumn(m_list);
    m_grid.insertRows(CoverFirstRow, CoverPage::LineCount);
    for (int k = 0; k < CoverPage::LineCount; ++k) {
        const int row = CoverFirstRow + k;
        const GridRange caption{row, 1, row, CoverCaptionLastColumn};
        const GridRange value{row, CoverValueColumn, row, last};
        m_grid.merge(caption);
        m_grid.merge(value);
        m_grid.setText(row, 1, CoverPage::captions()[std::size_t(k)]);
        m_grid.setText(row, CoverValueColumn, m_coverValues.value(k));
        m_grid.setRangeAlignment(caption, GridAlignment::Centre);
        m_grid.setRangeAlignment(value, GridAlignment::Centre);
        m_grid.setRowHeight(row, CoverRowHeight);
    }
}

void ListPrintRun::removeCoverRows()
{
    for (int row = CoverFirstRow + CoverPage::LineCount - 1; row >= CoverFirstRow; --row)
        m_grid.removeRows(row);
}

void ListPrintRun::setFixedOptions()
{
    GridPageSettings page = m_grid.pageSettings();
    for (const QString &flag :
         {PrintOption::GridLines, PrintOption::Backgrounds, PrintOption::Images, PrintOption::FitToWidth})
        page.options.insert(flag, true);
    page.options.insert(PrintOption::Copies, 1);
    page.options.insert(PrintOption::FirstPageNumber, 1);
    page.options.insert(PrintOption::FooterAlignment, 2);
    if (isBill()) {
        page.options.insert(PrintOption::HorizontalScale, 1.0);
        page.options.insert(PrintOption::VerticalScale, 1.0);
    }
    m_grid.setPageSettings(page);
}

void ListPrintRun::showListPages()
{
    GridUpdateGuard guard(m_grid);
    if (m_form == Form::Cover)
        removeCoverRows();
    // The bill's column captions are its sixth fixed row: with five, only the band above them would repeat.
    m_grid.setFixedRowCount(fixedRows(m_list));
    GridPageSettings page = m_grid.pageSettings();
    page.headerFont = m_grid.font(0, 1);
    page.footerText = listFooter();
    page.headerText = isBill() && m_projectName != QStringLiteral("项目名称") ? m_projectName : QString();
    page.options.insert(PrintOption::RepeatFixedRows, 1);
    page.options.insert(PrintOption::HeaderLines, isBill() ? 1 : 0);
    m_grid.setPageSettings(page);
    setFixedOptions();
    for (int row = 0; row < ProjectHeaderRows; ++row)
        m_grid.setRowHeight(row, 0);
    page = m_grid.pageSettings();
    page.lastPrintRow = m_grid.rowCount();
    m_grid.setPageSettings(page);
    m_form = Form::ListPages;
}

void ListPrintRun::restore()
{
    if (m_form == Form::Screen)
        return;
    GridUpdateGuard guard(m_grid);
    if (m_form == Form::Cover)
        removeCoverRows();
    m_grid.setRowHeight(0, TitleHeight);
    m_grid.setRowHeight(2, HeaderLineHeight);
    m_grid.setRowHeight(3, HeaderLineHeight);
    if (m_list == BillLists::MachineList)
        m_grid.setRowHeight(4, MachineCaptionHeight);
    m_grid.setFixedRowCount(fixedRows(m_list));
    m_form = Form::Screen;
}
