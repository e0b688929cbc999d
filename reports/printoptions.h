#pragma once

#include <QString>

// Names of the fixed options a list print run puts into a grid's page settings,
// and what the paginator makes of them.
namespace PrintOption {

// Flags, true on every print.
inline const QString GridLines = QStringLiteral("gridLines");     // thin borders round every cell
inline const QString Backgrounds = QStringLiteral("backgrounds"); // cell colours printed
inline const QString Images = QStringLiteral("images");           // cell pictures printed
inline const QString FitToWidth = QStringLiteral("fitToWidth");   // columns scaled to the printable width
// Integers.
inline const QString Copies = QStringLiteral("copies");
inline const QString FirstPageNumber = QStringLiteral("firstPageNumber"); // what &P counts from
inline const QString FooterAlignment = QStringLiteral("footerAlignment"); // 1 left, 2 centre, 3 right
inline const QString RepeatFixedRows = QStringLiteral("repeatFixedRows"); // 1: fixed rows head every page
inline const QString HeaderLines = QStringLiteral("headerLines");         // lines kept for the page header
// Reals, multiplied into the scale of the printed grid.
inline const QString HorizontalScale = QStringLiteral("horizontalScale");
inline const QString VerticalScale = QStringLiteral("verticalScale");

} // namespace PrintOption
