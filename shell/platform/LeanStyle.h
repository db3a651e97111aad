#pragma once
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <optional>

namespace zodiac {

// The user's style, drawing the same pixels with less work for each window: each standard icon it
// hands out is made once (a new window asks for the same icons again, the calendar's month arrows
// on every reading, and the style would read them from disk and decode every size each time), and
// group box frames are drawn without the toolkit's thread hand-over and, under Fusion, with their
// plain middle filled rather than stretched (see the .cpp).
class LeanStyle : public QProxyStyle {
public:
    // Takes over `base`, as QProxyStyle does.
    explicit LeanStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // Fusion's group box picture and the colour of its plain middle; no picture where the style is
    // not Fusion or the picture is not as expected.
    struct FusionFrame {
        QPixmap picture;
        QColor middle;
        int firstRow = 0;
    };
    static FusionFrame ReadFusionFrame();
    int FusionFrameTop(const QStyleOption* option, const QWidget* widget) const;
    bool DrawFusionFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    mutable QHash<QString, QIcon> m_icons;
    mutable std::optional<FusionFrame> m_fusionFrame;
};

// One of the style's built-in PNG pictures, read without asking the image plug-ins about it, and put
// in the pixmap cache where QPixmap looks for that file: the style's own drawing finds it there.
QPixmap ReadBuiltInPicture(const QString& path);

// Puts LeanStyle around the application's style.
void UseLeanStyle();

} // namespace zodiac
