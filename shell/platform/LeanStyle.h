#pragma once
#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace zodiac {

// The user's style, drawing the same pixels with less work for each window: each standard icon it
// hands out is made once (a new window asks for the same icons again, the calendar's month arrows
// on every reading, and the style would read them from disk and decode every size each time), and
// group box frames are drawn without the toolkit's thread hand-over (see the .cpp).
class LeanStyle : public QProxyStyle {
public:
    // Takes over `base`, as QProxyStyle does.
    explicit LeanStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    mutable QHash<QString, QIcon> m_icons;
};

// Puts LeanStyle around the application's style.
void UseLeanStyle();

} // namespace zodiac
