#pragma once
#include <QString>
#include <QUrl>

namespace zodiac {

// The address of one page of the product's site: base + "ssd.php?page=" + key.
QUrl WebPageUrl(const QString& pageKey);

// Hands the page to the desktop's browser; does not wait and ignores failure.
void OpenWebPage(const QString& pageKey);

// The site's address as the labels show it, e.g. "www.nerro.example".
QString WebSiteAddress();

} // namespace zodiac
