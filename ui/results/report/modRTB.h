// modRTB: the report's link handling, which shows web addresses in the report as live links.
#pragma once
#include <QString>
#include <QUrl>

class QTextEdit;
class QWidget;

namespace zodiac {

// Longest link text that is shown as a link and opened.
inline constexpr qsizetype MaxLinkTextLength = 1024;

// Shows the web addresses in the area's text as links, now and whenever the text changes, and opens
// one on a left-button press. The handling belongs to the area and ends with it; attaching it again
// to the same area changes nothing.
void AttachLinkHandling(QTextEdit* area, QWidget* host);
// Ends the link handling of the area, taking the link look off its text; does nothing when none is
// attached.
void DetachLinkHandling(QTextEdit* area);
// True while the area has link handling.
bool HasLinkHandling(const QTextEdit* area);

// The address a piece of link-like text opens: only http and https with a host, "www." taken as
// https; an empty URL for anything else.
QUrl LinkUrlFor(const QString& text);

} // namespace zodiac
