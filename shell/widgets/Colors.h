#pragma once
#include <QColor>
#include <QPalette>

class QWidget;

namespace zodiac {

// The program's own colours, as the windows are drawn on a light desktop and as the report prints.
inline const QColor SiteLinkColor(64, 64, 0);  // the site's link labels: olive
inline const QColor BrandLinkColor(0, 0, 255); // the offers and the About window's links: blue
inline const QColor SignColor(128, 0, 0);      // sign, element and the report's labels: dark red
inline const QColor ReportValueColor(0, 0, 0); // the report's values: black

// Text this small needs 4.5:1 against its background to be read easily (WCAG 2, level AA).
inline constexpr double MinimumContrast = 4.5;

// The contrast ratio of two colours, 1 to 21, as WCAG 2 defines it.
double ContrastRatio(const QColor& a, const QColor& b);

// `wanted` where it is readable on `background`; otherwise `wanted` moved towards `readable` (a
// colour known to read well there, such as the palette's own text colour) just far enough. On the
// light desktops the program was drawn for, every colour above comes back unchanged.
QColor ReadableOn(const QColor& wanted, const QColor& background, const QColor& readable);

// `wanted` made readable on the colour of `backgroundRole` in both colour groups a shown window is
// drawn in: active, and inactive while another window has the focus. Themes such as
// Adwaita-HighContrastInverse paint an inactive window in another grey than an active one.
QColor ReadableInPalette(const QColor& wanted, const QPalette& palette, QPalette::ColorRole backgroundRole);

// Gives the widget's text `wanted`, made readable on the background drawn under it (the nearest
// ancestor that paints one) in each colour group, now and again whenever the palette changes
// (a dark or high-contrast desktop theme).
void KeepTextColor(QWidget* widget, const QColor& wanted);

} // namespace zodiac
