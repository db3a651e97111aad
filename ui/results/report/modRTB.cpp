// modRTB: the report's link handling, which shows web addresses in the report as live links.
#include "modRTB.h"

#include "Colors.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace zodiac {

namespace {

struct LinkRange {
    int start;
    int length;
    QString href;
};

QList<LinkRange> FindLinks(const QString& text) {
    static const QRegularExpression candidates(QStringLiteral(R"((?:https?://|www\.)[^\s<>"]+)"),
                                               QRegularExpression::CaseInsensitiveOption);
    QList<LinkRange> links;
    auto it = candidates.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        QString found = match.captured();
        // Sentence punctuation after an address is not part of it.
        while (!found.isEmpty() && QStringLiteral(".,;:!?)]}'").contains(found.back()))
            found.chop(1);
        const QUrl url = LinkUrlFor(found);
        if (url.isValid())
            links.append({static_cast<int>(match.capturedStart()), static_cast<int>(found.size()),
                          url.toString(QUrl::FullyEncoded)});
    }
    return links;
}

void RemoveLinkFormat(QTextDocument* doc) {
    // Collect first: changing a format splits and merges the fragments being walked.
    QList<QPair<QPair<int, int>, QTextCharFormat>> anchors;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isAnchor())
                anchors.append({{fragment.position(), fragment.length()}, fragment.charFormat()});
        }
    }
    QTextCursor cursor(doc);
    for (auto& [range, format] : anchors) {
        format.setAnchor(false);
        format.clearProperty(QTextFormat::AnchorHref);
        format.clearProperty(QTextFormat::TextUnderlineStyle);
        format.clearProperty(QTextFormat::FontUnderline);
        format.clearForeground();
        cursor.setPosition(range.first);
        cursor.setPosition(range.first + range.second, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

// The link handling of one text area: owned by the area, as a highlighter is owned by the
// document it decorates, so it needs no global state and ends with the area.
class LinkHandler : public QObject {
public:
    explicit LinkHandler(QTextEdit* area) : QObject(area), m_area(area) {
        setObjectName(QStringLiteral("zodiacLinkHandler"));
        area->viewport()->installEventFilter(this);
        connect(area->document(), &QTextDocument::contentsChanged, this, &LinkHandler::FormatLinks);
        FormatLinks();
    }

    void Detach() {
        disconnect(m_area->document(), nullptr, this, nullptr);
        m_area->viewport()->removeEventFilter(this);
        m_formatting = true;
        RemoveLinkFormat(m_area->document());
    }

protected:
    // Opens a link on a left-button press over it; every event goes on to the area unchanged.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && watched == m_area->viewport()) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                const QUrl url = LinkUrlFor(m_area->anchorAt(mouse->position().toPoint()));
                if (url.isValid())
                    QDesktopServices::openUrl(url);
            }
        }
        return false;
    }

private:
    // Brings the link formatting in line with the text: addresses become links, and former links
    // that no longer read as an address lose their link look.
    void FormatLinks() {
        if (m_formatting)
            return;
        const QScopedValueRollback<bool> busy(m_formatting, true);
        QTextDocument* doc = m_area->document();
        RemoveLinkFormat(doc);
        QTextCursor cursor(doc);
        const QPalette palette = m_area->palette();
        const QColor linkColor = ReadableInPalette(palette.color(QPalette::Link), palette, QPalette::Base);
        for (const LinkRange& link : FindLinks(doc->toPlainText())) {
            QTextCharFormat format;
            format.setAnchor(true);
            format.setAnchorHref(link.href);
            format.setFontUnderline(true);
            format.setForeground(linkColor);
            cursor.setPosition(link.start);
            cursor.setPosition(link.start + link.length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
    }

    QTextEdit* m_area;
    bool m_formatting = false;
};

LinkHandler* HandlerOf(const QTextEdit* area) {
    if (area) {
        for (QObject* child : area->children()) {
            if (auto* handler = dynamic_cast<LinkHandler*>(child))
                return handler;
        }
    }
    return nullptr;
}

} // namespace

QUrl LinkUrlFor(const QString& text) {
    if (text.isEmpty() || text.size() > MaxLinkTextLength)
        return {};
    QString address = text;
    if (address.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        address.prepend(QStringLiteral("https://"));
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")) ||
        url.host().isEmpty())
        return {};
    return url;
}

void AttachLinkHandling(QTextEdit* area, QWidget* /*host*/) {
    // The area itself carries the handling; the host window needs no part of it.
    if (area && !HandlerOf(area))
        new LinkHandler(area);
}

void DetachLinkHandling(QTextEdit* area) {
    if (LinkHandler* handler = HandlerOf(area)) {
        handler->Detach();
        delete handler;
    }
}

bool HasLinkHandling(const QTextEdit* area) {
    return HandlerOf(area) != nullptr;
}

} // namespace zodiac
