#pragma once
#include <QColor>
#include <QString>
#include <functional>
#include <string>

class QAbstractScrollArea;
class QComboBox;
class QLabel;
class QPushButton;
class QTextDocument;
class QWidget;

namespace zodiac {

class LinkLabel;

// The controls every window builds, built one way. Text they show is plain text: a name typed by
// the user or read from someone's record file shows as typed, markup and all, and can never load
// an image or change a window's look. Rich text would have to be asked for, and none of our
// windows does.

// Engine text (UTF-8) as the windows hold it.
QString FromUtf8(const std::string& text);

// A caption without its access-key marker, as a screen reader names the control.
QString PlainCaption(const QString& caption);

// A plain-text label in the window font, named for tests and for screen readers.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text);

// Shows a new text in a label made by MakeLabel, and tells screen readers.
void SetLabelText(QLabel* label, const QString& text);

// A link label (underlined, hand pointer, `color` kept readable) in the window's link font.
LinkLabel* MakeLink(QWidget* parent, const QString& name, const QString& text, const QColor& color,
                    Qt::Alignment alignment = Qt::AlignCenter);

// A push button in the window font, named by its caption without the access-key marker. It is
// nobody's default: Enter and Esc press it only where a window makes it its default button.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption);

// A drop-down list whose entries can only be picked, never typed.
QComboBox* MakeList(QWidget* parent, const QString& name, const QString& accessibleName);

// Gives a list made by MakeList entries that never change: `count` of them, the text of each
// given by `entry` (row 0 first) whenever the list asks for it. QComboBox otherwise keeps an item
// object with its own store of values for each entry; for the main window's 244 date entries that
// was about 0.2 MiB of memory, Qt's item code included.
void SetFixedEntries(QComboBox* list, int count, std::function<QString(int)> entry);

// A text box in a window not yet shown takes its size only when the window shows, and text filled
// in before was laid out twice: first at a size the box never has, then again at its own. Called
// once the box is placed, before its text, so that the text is laid out once, at the width it is
// shown at.
void SettleTextBox(QAbstractScrollArea* box);

// Keeps the shaped text of each paragraph the document lays out, which Qt otherwise throws away
// once a paragraph is laid out and shapes again for the cursor's place and for every paint. For a
// document filled once and read; it holds the shaped text (some 30 bytes a character) as long as
// it holds the text.
void KeepShapedText(QTextDocument* document);

} // namespace zodiac
