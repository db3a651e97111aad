#pragma once
#include <QLineEdit>

namespace zodiac {

// A read-only one-line box of the reading, as a screen reader should get it.
//
// Qt 6.4 reports the text of a line edit to AT-SPI as runs of attributes that are each empty
// (start = end = the offset asked for). Orca joins those runs to find the line it speaks and so
// ends one character early: "Jupite" for "Jupiter". This box's accessible text reports its whole
// text as one run. Tabbing into it also leaves the text unselected: the value is there to be read,
// and a reader speaks a selection as "selected" besides the text.
class ReadOnlyLine : public QLineEdit {
    Q_OBJECT

public:
    explicit ReadOnlyLine(QWidget* parent = nullptr);

    // Where the character at `offset` is drawn, in the box's own coordinates.
    QRect CharacterRect(int offset) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace zodiac
