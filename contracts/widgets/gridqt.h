#pragma once

#include "contracts/gridfont.h"

#include <QColor>
#include <QFont>
#include <QtGlobal>

// Translations from the grid's own values to Qt's: colours keep red in the low
// byte, alignment codes combine a vertical and a horizontal part.
namespace GridQt {

QColor colour(quint32 value);
Qt::Alignment alignment(int code);
// Chinese fonts named by the tables may be missing; the fallbacks keep the text readable.
QFont font(const GridFont &font);

} // namespace GridQt
