#pragma once

#include <QString>
#include <QStringList>

class Grid;

// One print run of a list grid: it turns the grid into its cover form, then into
// its list-page form, and puts it back. The destructor puts it back from whatever
// form it is left in, so a run that is cancelled or fails midway never leaves the
// list on screen in a printing form.
//
// After a run the title band is row 0 alone, 32 high (row 1 stays hidden).
class ListPrintRun
{
public:
    enum class Form { Screen, Cover, ListPages };

    static constexpr int CoverFirstRow = 4;
    static constexpr int CoverRowHeight = 50;
    static constexpr int CoverTitleHeight = 30;
    static constexpr int TitleHeight = 32;
    static constexpr int HeaderLineHeight = 30;
    static constexpr int MachineCaptionHeight = 25;

    // `list` is a BillLists::List; the project name heads the bill's list pages.
    ListPrintRun(Grid &grid, int list, const QString &projectName);
    ~ListPrintRun();
    ListPrintRun(const ListPrintRun &) = delete;
    ListPrintRun &operator=(const ListPrintRun &) = delete;

    Form form() const { return m_form; }
    // Read when the run starts, before the grid changes.
    const QStringList &coverValues() const { return m_coverValues; }

    // The cover page: title row and six caption rows, printed up to the last of them.
    void showCover();
    // The list pages: title and project header hidden, a page header and a numbered footer.
    void showListPages();
    void restore();

    static int lastColumn(int list);
    // The fixed rows a list has on screen.
    static int fixedRows(int list);
    static QString listFooter() { return QStringLiteral("共 &N 页，第 &P 页"); }
    static QString coverFooter() { return QStringLiteral("- 封面页 -"); }

private:
    void insertCoverRows();
    void removeCoverRows();
    void setFixedOptions();
    bool isBill() const;

    Grid &m_grid;
    int m_list;
    QString m_projectName;
    QStringList m_coverValues;
    Form m_form = Form::Screen;
};
