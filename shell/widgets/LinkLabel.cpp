#include "LinkLabel.h"

#include "Colors.h"
#include "Controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

namespace zodiac {

namespace {

// What screen readers are told of a link label: a link (not static text, which Orca reads out with
// a window's other loose labels), its text as its name, a press action, and not there while it
// lies under another label.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (Label()->IsCovered()) {
            state.invisible = true;
            state.offscreen = true;
            state.focusable = false;
        }
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == pressAction())
            Label()->Activate();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    LinkLabel* Label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* LinkLabelAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& text, const QColor& color, QWidget* parent) : QLabel(text, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LinkLabelAccessibleFactory);
        return true;
    }();
    static_cast<void>(factoryInstalled);
    // Only the underline is set here; family and size still follow the window's font.
    QFont f;
    f.setUnderline(true);
    setFont(f);
    KeepTextColor(this, color);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
}

void LinkLabel::Activate() {
    emit clicked();
}

void LinkLabel::SetCovered(bool covered) {
    if (m_covered == covered)
        return;
    m_covered = covered;
    QAccessible::State changed;
    changed.invisible = true;
    changed.offscreen = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        // A press dragged off the label and released elsewhere is no click.
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click arrives here; Qt's default would take it as another press,
    // and the page would open twice. The first click has opened it already.
    event->accept();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    }
    // Enter and Return go on to the window, whose default button they press.
    QLabel::keyPressEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
    // A click that focuses the label opens its page at once; only the keyboard needs the frame.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_keyboardFocus = event->reason() != Qt::MouseFocusReason;
    QLabel::focusInEvent(event);
    update();
}

void LinkLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus() || !m_keyboardFocus)
        return;
    // A dotted frame in the text's own colour, which is kept readable on the background.
    QPainter painter(this);
    QPen pen(palette().color(foregroundRole()));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool LinkLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    // Qt gives a label that takes the focus a text document when it is polished, and lays its text
    // out in it again before it first paints; the document then keeps its shaped text for the
    // paint. Should a version of Qt hold the text elsewhere, nothing changes.
    if (event->type() == QEvent::Polish) {
        if (auto* document = findChild<QTextDocument*>())
            KeepShapedText(document);
    }
    return handled;
}

void LinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Every link is underlined, also when a window hands it a font of its own (bold offers).
    if (event->type() == QEvent::FontChange && !font().underline()) {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }
}

} // namespace zodiac
