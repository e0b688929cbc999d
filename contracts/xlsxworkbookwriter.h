#pragma once

#include "workbookwriter.h"

#include <QHash>
#include <QStringList>

#include <map>
#include <vector>

// The workbook writer on libxlsxwriter. Formatting and values gather in memory,
// cell by cell as the exports set them; save() turns them into one .xlsx file,
// with one shared format per distinct cell style.
class XlsxWorkbookWriter : public WorkbookWriter
{
public:
    XlsxWorkbookWriter();
    ~XlsxWorkbookWriter() override;

    void setSheetName(const QString &name) override { m_sheetName = name; }
    void merge(const GridRange &range) override;
    void setHorizontalAlignment(const GridRange &range, Horizontal alignment) override;
    void setVerticalAlignment(const GridRange &range, Vertical alignment) override;
    void setWrap(const GridRange &range, bool on) override;
    void setShrinkToFit(const GridRange &range, bool on) override;
    void setFill(const GridRange &range, quint32 colour) override;
    void setThinBorders(const GridRange &range) override;
    void setFont(const GridRange &range, const GridFont &font) override;
    void setColumnWidth(int column, double width) override;
    void setRowHeight(int row, double height) override;
    void writeText(int row, int column, const QString &text) override;
    void writeNumber(int row, int column, double value, const QString &format) override;
    bool save(const QString &path) override;
    QString errorString() const override { return m_error; }

    // The sheet's largest row and column, 1048576 and 16384.
    static constexpr int MaxRows = 1 << 20;
    static constexpr int MaxColumns = 1 << 14;

    struct Style {
        Horizontal horizontal = Horizontal::General;
        Vertical vertical = Vertical::Bottom;
        bool wrap = false;
        bool shrink = false;
        bool border = false;
        bool bold = false;
        bool filled = false;
        quint32 fill = 0;
        int fontSize = 0;
        int fontName = 0;     // into m_fontNames, 0 for the default font
        int numberFormat = 0; // into m_numberFormats, 0 for General
        auto operator<=>(const Style &) const = default;
    };
    struct Cell {
        enum class Kind : quint8 { Empty, Text, Number };
        Style style;
        Kind kind = Kind::Empty;
        double number = 0.0;
        QString text;
    };

private:
    class FileBuilder;

    bool writeFile(const QString &file);
    Cell *cell(int row, int column);
    template <class Change> void change(const GridRange &range, Change change);
    static int intern(QStringList &names, const QString &name);

    QString m_sheetName = QStringLiteral("Sheet1");
    std::vector<std::vector<Cell>> m_rows;
    std::vector<GridRange> m_merges;
    std::map<int, double> m_columnWidths;
    std::map<int, double> m_rowHeights;
    QStringList m_fontNames{QString()};
    QStringList m_numberFormats{QString()};
    QString m_error;
};
