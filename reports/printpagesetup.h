#pragma once

#include "estimate/estimaterecords.h"

#include <QSizeF>
#include <QString>

#include <optional>

// The page a list is printed on: paper, orientation and margins in millimetres,
// read from the page settings texts.
struct PrintPageSetup {
    enum class Paper { A4, A3, B5, B4 };

    Paper paper = Paper::A4;
    bool landscape = false;
    double top = 19;
    double bottom = 19;
    double left = 18;
    double right = 18;

    // An unknown paper name prints on A4, a margin that is no number > 0 takes its
    // default; margins that would leave less than a tenth of the paper shrink with it.
    static PrintPageSetup fromSettings(const PageSettings &settings);
    static std::optional<Paper> paperNamed(const QString &name);
    static QString paperName(Paper paper);
    // The margin texts the page settings accept: a leading number greater than 0.
    static std::optional<double> margin(const QString &text);

    // Width and height of the sheet as it lies, landscape turned.
    QSizeF paperSize() const;
    QSizeF printableSize() const;

    bool operator==(const PrintPageSetup &) const = default;

private:
    void keepPrintableArea();
};
