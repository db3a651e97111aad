#include "AppIcon.h"

// The resource lives in a static library, so it must be registered by hand.
static void InitShellResources() {
    Q_INIT_RESOURCE(shell);
}

namespace zodiac {

QIcon ApplicationIcon() {
    static const bool registered = [] {
        InitShellResources();
        return true;
    }();
    static_cast<void>(registered);
    QIcon icon;
    icon.addFile(QStringLiteral(":/zodiac/icons/zodiac-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/zodiac/icons/zodiac-256.png"), QSize(256, 256));
    return icon;
}

} // namespace zodiac
