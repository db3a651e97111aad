#pragma once
#include <QSize>
#include <QString>
#include <Qt>

class QWidget;

namespace zodiac {

// A main window stands alone and deletes itself when closed; a dialog is opened modally by its
// caller, who owns it.
enum class WindowKind { Main, Dialog };

// The flags every window is created with: a title bar with its window menu and close button, and
// neither minimise nor maximise, since the size is fixed. Qt takes them in the constructor.
Qt::WindowFlags WindowFlagsFor(WindowKind kind);

// The rest of a window's set-up, before its controls are built: the object name, the caption, the
// window font, deletion on close for a main window and, when given in twips, the fixed size. A
// window whose layout fixes its size gives none.
void SetUpWindow(QWidget* window, WindowKind kind, const QString& objectName, QSize twips = {});

// Centres the window, at its final size, on the screen of its parent, or on the primary screen when
// it has none. Placed so, a dialog no longer centres itself over its parent when shown. Wayland
// compositors place windows themselves and ignore this.
void CentreOnScreen(QWidget* window);

} // namespace zodiac
