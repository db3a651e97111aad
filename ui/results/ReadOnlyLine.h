#pragma once
#include "OneRunLine.h"

namespace zodiac {

// A read-only one-line box of the reading, read whole by a screen reader (OneRunLine). Tabbing into
// it leaves the text unselected: the value is there to be read, and a reader speaks a selection as
// "selected" besides the text.
class ReadOnlyLine : public OneRunLine {
    Q_OBJECT

public:
    explicit ReadOnlyLine(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace zodiac
