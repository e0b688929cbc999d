#include "pagesetupform.h"

#include "printpagesetup.h"

#include "estimate/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {

std::array<QString *, PageSetupForm::MarginCount> marginsOf(PageSettings &page)
{
    return {&page.pagemargintop, &page.pagemarginbottom, &page.pagemarginleft, &page.pagemarginright};
}

} // namespace

const QStringList &PageSetupForm::paperSizes()
{
    static const QStringList sizes{QStringLiteral("A4"), QStringLiteral("A3"), QStringLiteral("B5"),
                                   QStringLiteral("B4")};
    return sizes;
}

PageSetupForm::PageSetupForm(const PageSettings &stored)
{
    PageSettings copy = stored;
    const auto margins = marginsOf(copy);
    for (int i = 0; i < MarginCount; ++i)
        m_margins[std::size_t(i)] = *margins[std::size_t(i)];
    if (stored.pageorientation == QStringLiteral("Horizon"))
        m_portrait = false;
    else if (stored.pageorientation == QStringLiteral("Vertical"))
        m_portrait = true;
    m_paperIndex = std::max(0, int(paperSizes().indexOf(stored.pagesize)));
}

void PageSetupForm::setPaperIndex(int index)
{
    if (index >= 0 && index < paperSizes().size())
        m_paperIndex = index;
}

QString PageSetupForm::stepped(const QString &text, int steps)
{
    const double value = NumberText::leadingDouble(text);
    const int current = std::isfinite(value)
                            ? int(std::clamp(std::trunc(value), double(StepMinimum), double(StepMaximum)))
                            : StepMinimum;
    return QString::number(std::clamp(current + steps, StepMinimum, StepMaximum));
}

std::optional<PageSetupForm::Margin> PageSetupForm::confirm(PageSettings &stored)
{
    for (int i = 0; i < MarginCount; ++i) {
        if (!PrintPageSetup::margin(m_margins[std::size_t(i)])) {
            m_margins[std::size_t(i)] = invalidMarginText();
            return Margin(i);
        }
    }
    const auto margins = marginsOf(stored);
    for (int i = 0; i < MarginCount; ++i)
        *margins[std::size_t(i)] = m_margins[std::size_t(i)];
    stored.pagesize = paperSizes().at(m_paperIndex);
    stored.pageorientation = m_portrait ? QStringLiteral("Vertical") : QStringLiteral("Horizon");
    return std::nullopt;
}
