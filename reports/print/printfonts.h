#pragma once

#include "contracts/gridfont.h"

#include <QFont>
#include <QHash>
#include <QString>

class QPaintDevice;

// The fonts of a printed page. Every text prints in one CJK font whose PDF text
// extracts back to the characters printed. A cell's font comes in two forms: the
// one its text is measured with (sizes as on screen, 96 pixels an inch) and the one
// it is drawn with on the device, which resolves points against its own resolution.
class PrintFonts
{
public:
    static QString family() { return QStringLiteral("WenQuanYi Zen Hei"); }
    static constexpr int DefaultPointSize = 9;
    static constexpr qreal ScreenDpi = 96;

    explicit PrintFonts(qreal deviceDpi) : m_deviceDpi(deviceDpi) {}

    QFont measured(const GridFont &font) const;
    QFont drawn(const QFont &measured) const;

private:
    qreal m_deviceDpi;
    mutable QHash<QString, QFont> m_measured;
};
