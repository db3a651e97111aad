#pragma once
#include <QLineEdit>

namespace zodiac {

// A one-line box as a screen reader should get it.
//
// Qt 6.4 reports the text of a line edit to AT-SPI as runs of attributes that are each empty
// (start = end = the offset asked for). Orca joins those runs to find the text it speaks and so
// ends one character early: "An" for "Ann". This box's accessible text reports its whole text as
// one run, and otherwise behaves as Qt's own: it can be read, selected and, unless it is read-only,
// edited. The main window's name box is one; the details window's boxes derive from it.
class OneRunLine : public QLineEdit {
    Q_OBJECT

public:
    explicit OneRunLine(QWidget* parent = nullptr);

    // Where the character at `offset` is drawn, in the box's own coordinates.
    QRect CharacterRect(int offset) const;
};

} // namespace zodiac
