#include "WebLinks.h"

#include <QDesktopServices>

namespace zodiac {

namespace {
// The product has no site of its own yet, so it lives under a reserved example domain.
constexpr const char* BaseAddress = "https://www.nerro.example/zodiac/";
} // namespace

QUrl WebPageUrl(const QString& pageKey) {
    return QUrl(QString::fromLatin1(BaseAddress) + QStringLiteral("ssd.php?page=") + pageKey);
}

void OpenWebPage(const QString& pageKey) {
    // No browser is no error worth a message.
    static_cast<void>(QDesktopServices::openUrl(WebPageUrl(pageKey)));
}

QString WebSiteAddress() {
    return QUrl(QString::fromLatin1(BaseAddress)).host();
}

} // namespace zodiac
