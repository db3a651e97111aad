#include "modRTB.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace zodiac {

namespace {

// Opens a link on a left-button press over it; every event goes on to the area unchanged.
class LinkPressFilter : public QObject {
public:
    LinkPressFilter(QTextEdit* area, QObject* parent) : QObject(parent), area_(area) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && area_ && watched == area_->viewport()) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                const QUrl url = LinkUrlFor(area_->anchorAt(mouse->position().toPoint()));
                if (url.isValid())
                    QDesktopServices::openUrl(url);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QTextEdit> area_;
};

struct LinkState {
    QPointer<QTextEdit> area;
    QPointer<QWidget> host;
    QPointer<LinkPressFilter> filter;
    QMetaObject::Connection changed;
    bool formatting = false;
};

LinkState& State() {
    static LinkState state;
    return state;
}

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

// Brings the link formatting in line with the text: addresses become links, and former links that
// no longer read as an address lose their link look.
void FormatLinks() {
    LinkState& state = State();
    if (!state.area || state.formatting)
        return;
    state.formatting = true;
    QTextDocument* doc = state.area->document();
    RemoveLinkFormat(doc);
    QTextCursor cursor(doc);
    const QColor linkColor = state.area->palette().color(QPalette::Link);
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
    state.formatting = false;
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

void AttachLinkHandling(QTextEdit* area, QWidget* host) {
    DetachLinkHandling();
    if (!area)
        return;
    LinkState& state = State();
    state.area = area;
    state.host = host;
    state.filter = new LinkPressFilter(area, area);
    area->viewport()->installEventFilter(state.filter);
    state.changed =
        QObject::connect(area->document(), &QTextDocument::contentsChanged, state.filter, &FormatLinks);
    FormatLinks();
}

void DetachLinkHandling() {
    LinkState& state = State();
    if (!state.filter && !state.area)
        return;
    QObject::disconnect(state.changed);
    if (state.area) {
        if (state.filter)
            state.area->viewport()->removeEventFilter(state.filter);
        state.formatting = true;
        RemoveLinkFormat(state.area->document());
        state.formatting = false;
    }
    delete state.filter.data();
    state = LinkState{};
}

} // namespace zodiac
