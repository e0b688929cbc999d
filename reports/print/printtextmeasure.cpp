#include "printtextmeasure.h"

#include "printfonts.h"

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
    // The page is laid out in screen pixels, so its fonts are measured at the screen's resolution.
    const PrintFonts fonts(PrintFonts::ScreenDpi);
    return std::max(m_screen.legibleWidth(text, font), CellTextFit::legibleWidth(text, fonts.measured(font)));
}
