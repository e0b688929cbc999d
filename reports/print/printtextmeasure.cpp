#include "printtextmeasure.h"

#include "contracts/widgets/celltextfit.h"

#include <algorithm>

int PrintTextMeasure::textHeight(const QString &text, const GridFont &font, int width, bool wrap) const
{
    return m_screen.textHeight(text, font, width, wrap);
}

int PrintTextMeasure::legibleWidth(const QString &text, const GridFont &font) const
{
    if (text.isEmpty())
        return 0;
    Key key{text, font.size, font.bold};
    const auto known = m_widths.constFind(key);
    int printed = 0;
    if (known != m_widths.constEnd()) {
        printed = known.value();
    } else {
        if (m_widths.size() >= MaxRemembered)
            m_widths.clear();
        printed = CellTextFit::legibleWidth(text, m_fonts.measured(font));
        m_widths.insert(std::move(key), printed);
    }
    return std::max(m_screen.legibleWidth(text, font), printed);
}
