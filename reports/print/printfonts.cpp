#include "printfonts.h"

QFont PrintFonts::measured(const GridFont &font) const
{
    const QString key = QString::number(font.size) + (font.bold ? u'b' : u'r');
    const auto found = m_measured.constFind(key);
    if (found != m_measured.constEnd())
        return *found;
    QFont result(family());
    result.setFamilies({family()});
    result.setPointSizeF(font.size > 0 ? font.size : DefaultPointSize);
    result.setBold(font.bold);
    // Kerning and hinting would make widths differ between measuring and drawing.
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setKerning(false);
    return *m_measured.insert(key, result);
}

QFont PrintFonts::drawn(const QFont &measured) const
{
    QFont result = measured;
    result.setPointSizeF(measured.pointSizeF() * ScreenDpi / m_deviceDpi);
    return result;
}
