#pragma once
#include <QColor>
#include <QLabel>

namespace zodiac {

// A label that behaves like a web link: underlined, hand pointer, reachable by Tab and activated
// by a single click, Enter or Space.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, const QColor& color, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace zodiac
