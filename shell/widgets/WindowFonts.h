#pragma once
#include <QFont>
#include <QString>

namespace zodiac {

// A font by family and point size; a family the desktop lacks is replaced by its nearest match.
QFont NamedFont(const QString& family, double points, bool bold = false);

// The windows' own typeface: Verdana, 8.25 pt unless told otherwise.
QFont WindowFont(double points = 8.25, bool bold = false);

// The link labels' font: the window font at 8.25 pt, underlined.
QFont LinkFont(bool bold);

} // namespace zodiac
