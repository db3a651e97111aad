#pragma once
#include <QLineEdit>

namespace zodiac {

// The main window's one box the user types into, as a screen reader should get it.
//
// Qt 6.4 reports the text of a line edit to AT-SPI as runs of attributes that are each empty
// (start = end = the offset asked for). Orca joins those runs to find the text it speaks and so
// ends one character early: "An" for "Ann". This box's accessible text reports its whole text as
// one run, and otherwise behaves as Qt's own: it can be read, selected and edited.
class NameBox : public QLineEdit {
    Q_OBJECT

public:
    explicit NameBox(QWidget* parent = nullptr);

    // Where the character at `offset` is drawn, in the box's own coordinates.
    QRect CharacterRect(int offset) const;
};

} // namespace zodiac
