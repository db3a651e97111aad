#include "UrlCatcher.h"

#include <QDesktopServices>

UrlCatcher::UrlCatcher(const QStringList& schemes) : m_schemes(schemes) {
    for (const QString& scheme : m_schemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlCatcher::~UrlCatcher() {
    for (const QString& scheme : m_schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void UrlCatcher::open(const QUrl& url) {
    urls.append(url);
}
