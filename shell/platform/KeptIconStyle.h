#pragma once
#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace zodiac {

// The user's style, unchanged, except that each standard icon it hands out is made once: a new
// window asks for the same icons again (the calendar's month arrows on every reading), and the
// style would read them from disk and decode every size each time.
class KeptIconStyle : public QProxyStyle {
public:
    // Takes over `base`, as QProxyStyle does.
    explicit KeptIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    mutable QHash<QString, QIcon> m_icons;
};

// Puts KeptIconStyle around the application's style.
void KeepStandardIcons();

} // namespace zodiac
