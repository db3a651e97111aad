#include "ReadOnlyLine.h"

#include <QFocusEvent>

namespace zodiac {

ReadOnlyLine::ReadOnlyLine(QWidget* parent) : OneRunLine(parent) {
    setReadOnly(true);
}

void ReadOnlyLine::focusInEvent(QFocusEvent* event) {
    // A line edit selects all its text when Tab or a shortcut brings the focus; any other reason
    // leaves the caret where it was.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason) {
        QFocusEvent unselecting(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&unselecting);
        return;
    }
    QLineEdit::focusInEvent(event);
}

} // namespace zodiac
