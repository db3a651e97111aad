#include "LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

namespace zodiac {

LinkLabel::LinkLabel(const QString& text, const QColor& color, QWidget* parent) : QLabel(text, parent) {
    // Only the underline is set here; family and size still follow the window's font.
    QFont f;
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    pal.setColor(QPalette::Text, color);
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        event->accept();
        // A press dragged off the label and released elsewhere is no click.
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

} // namespace zodiac
