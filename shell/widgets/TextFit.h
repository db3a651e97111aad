#pragma once

class QComboBox;
class QLineEdit;
class QWidget;

namespace zodiac {

// The windows are laid out in fixed rectangles, sized for the fonts and the controls of the desktop
// they were drawn on. Styles with roomier controls (GNOME's Adwaita) and other fonts can leave a
// text less room than it needs; these make it fit without moving the control.

// Widens the control to what its text needs, up to `rightLimit` (in its parent), never narrower.
void FitWidthToText(QWidget* control, int rightLimit);

// Lets the text of a one-line box use some of the style's padding when the rest is too low for it.
void FitLineBoxHeight(QLineEdit* box);

// The width the list's style gives the text of its entry.
int ListTextRoom(const QComboBox* list);

// Steps the list's font down a little, twice at most, when its longest entry is cut.
void FitListFont(QComboBox* list);

} // namespace zodiac
