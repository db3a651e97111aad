#pragma once
#include <QString>
#include <QUrl>

class QTextEdit;
class QWidget;

namespace zodiac {

// Longest link text that is shown as a link and opened.
inline constexpr qsizetype MaxLinkTextLength = 1024;

// Shows the web addresses in the area's text as links, now and whenever the text changes, and opens
// one on a left-button press. A second attach replaces the first.
void AttachLinkHandling(QTextEdit* area, QWidget* host);
// Ends the link handling; does nothing when nothing is attached.
void DetachLinkHandling();

// The address a piece of link-like text opens: only http and https with a host, "www." taken as
// https; an empty URL for anything else.
QUrl LinkUrlFor(const QString& text);

} // namespace zodiac
