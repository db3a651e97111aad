#pragma once
#include <QColor>
#include <QLabel>

namespace zodiac {

// A label that behaves like a web link: underlined (whatever font it is given), hand pointer, text
// colour kept readable on the desktop's theme, reachable by Tab with a visible focus frame, and
// activated by a single click or by Space. Enter is left to the window's default button, and a
// double-click opens the page once, not twice.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, const QColor& color, QWidget* parent = nullptr);

    // Opens the link, as a click does; screen readers call it through the link's press action.
    void Activate();

    // A label lying wholly under another one (the brand offer behind the one in front) is not
    // seen, so screen readers are told it is not there either.
    void SetCovered(bool covered);
    bool IsCovered() const { return m_covered; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool m_pressed = false;
    bool m_keyboardFocus = false;
    bool m_covered = false;
};

} // namespace zodiac
