#include "textmeasurerelay.h"

int TextMeasureRelay::textHeight(const QString &text, const GridFont &font, int width, bool wrap) const
{
    return m_target ? m_target->textHeight(text, font, width, wrap) : -1;
}

int TextMeasureRelay::legibleWidth(const QString &text, const GridFont &font) const
{
    return m_target ? m_target->legibleWidth(text, font) : -1;
}
