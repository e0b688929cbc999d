#include "printpagesetup.h"

#include "estimate/numbertext.h"

#include <cmath>
#include <utility>

namespace {

struct PaperEntry {
    PrintPageSetup::Paper paper;
    const char *name;
    double width;
    double height;
};

// ISO sizes, portrait.
constexpr PaperEntry Papers[] = {
    {PrintPageSetup::Paper::A4, "A4", 210, 297},
    {PrintPageSetup::Paper::A3, "A3", 297, 420},
    {PrintPageSetup::Paper::B5, "B5", 176, 250},
    {PrintPageSetup::Paper::B4, "B4", 250, 353},
};

constexpr double MinimumPrintableShare = 0.1;

const PaperEntry &entry(PrintPageSetup::Paper paper)
{
    for (const PaperEntry &e : Papers) {
        if (e.paper == paper)
            return e;
    }
    return Papers[0];
}

// Margins a and b of one direction shrink in proportion until the sheet keeps its minimum share.
void shrinkPair(double &a, double &b, double extent)
{
    const double room = extent * (1 - MinimumPrintableShare);
    if (a + b <= room)
        return;
    const double factor = room / (a + b);
    a *= factor;
    b *= factor;
}

} // namespace

std::optional<PrintPageSetup::Paper> PrintPageSetup::paperNamed(const QString &name)
{
    for (const PaperEntry &e : Papers) {
        if (name == QLatin1String(e.name))
            return e.paper;
    }
    return std::nullopt;
}

QString PrintPageSetup::paperName(Paper paper)
{
    return QLatin1String(entry(paper).name);
}

std::optional<double> PrintPageSetup::margin(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    const double value = NumberText::leadingDouble(text);
    if (!std::isfinite(value) || !(value > 0))
        return std::nullopt;
    return value;
}

PrintPageSetup PrintPageSetup::fromSettings(const PageSettings &settings)
{
    PrintPageSetup setup;
    setup.paper = paperNamed(settings.pagesize).value_or(Paper::A4);
    setup.landscape = settings.pageorientation == QStringLiteral("Horizon");
    setup.top = margin(settings.pagemargintop).value_or(setup.top);
    setup.bottom = margin(settings.pagemarginbottom).value_or(setup.bottom);
    setup.left = margin(settings.pagemarginleft).value_or(setup.left);
    setup.right = margin(settings.pagemarginright).value_or(setup.right);
    setup.keepPrintableArea();
    return setup;
}

void PrintPageSetup::keepPrintableArea()
{
    const QSizeF sheet = paperSize();
    shrinkPair(left, right, sheet.width());
    shrinkPair(top, bottom, sheet.height());
}

QSizeF PrintPageSetup::paperSize() const
{
    const PaperEntry &e = entry(paper);
    return landscape ? QSizeF(e.height, e.width) : QSizeF(e.width, e.height);
}

QSizeF PrintPageSetup::printableSize() const
{
    const QSizeF sheet = paperSize();
    return {sheet.width() - left - right, sheet.height() - top - bottom};
}
