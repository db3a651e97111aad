#pragma once
#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

class QWidget;

// What a person sees of a window: checked on the pixels and the fonts of a window as it is drawn,
// under the palettes desktop themes give. Any window's test calls it on a shown window.

struct TestPalette {
    QString name;
    QPalette palette;
};

// The desktop's own palette (the style's and the platform's), a dark one as desktops apply a dark
// colour scheme, and a high-contrast one; ZODIAC_TEST_PALETTES may name fewer.
QList<TestPalette> TestPalettes();

// The data rows of a rendering test: a column "palette" and one row for each of TestPalettes().
void AddPaletteRows();

// The WCAG 2 contrast ratio of two colours, 1 to 21, from the formula as written.
double WcagContrast(const QColor& a, const QColor& b);

// Sets the palette for the whole application, as a desktop theme does.
void UsePalette(const QPalette& palette);

// Fails the current test, naming each fault, when in the shown window
// - a label, button, option, list, box, group caption, menu-bar entry, calendar header or date cell
//   has less room than its text needs (so the text is cut or elided), or a label's text runs past
//   the part of its parent that is seen;
// - two controls side by side overlap where both draw (the two brand offers stacked on purpose
//   excepted);
// - a text the program colours itself (link labels, the sign and element, the report's runs)
//   reaches less than 4.5:1 against the background drawn under it, measured on the pixels;
// - a calendar's cell lies outside the calendar or is lower than its text.
// It looks at the window focused and again while another window has the focus.
// Returns the lowest contrast found among those texts (0 when there are none).
double VerifyRendering(QWidget* window);
