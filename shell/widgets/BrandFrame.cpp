#include "BrandFrame.h"

#include "BrandTexts.h"
#include "Colors.h"
#include "LinkLabel.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowFonts.h"

namespace zodiac {

namespace {

LinkLabel* MakeOffer(QWidget* frame, const QString& name, const QString& text, const QString& pageKey,
                     const QRect& twips) {
    auto* offer = new LinkLabel(text, BrandLinkColor, frame);
    offer->setObjectName(name);
    offer->setFont(LinkFont(true));
    offer->setAlignment(Qt::AlignCenter);
    offer->setWordWrap(true);
    // Opaque: a label draws no background of its own, and the offer behind would show through the
    // one in front.
    offer->setAutoFillBackground(true);
    PlaceTwips(offer, twips.x(), twips.y(), twips.width(), twips.height());
    QObject::connect(offer, &LinkLabel::clicked, frame, [pageKey] { OpenWebPage(pageKey); });
    return offer;
}

} // namespace

BrandFrame::BrandFrame(QWidget* parent, const QRect& frameTwips, const QRect& offersTwips,
                       bool coBrandInFront)
    : QGroupBox(parent), lblCobrand(MakeOffer(this, QStringLiteral("lblCobrand"), CoBrandText(),
                                              QStringLiteral("co-brand"), offersTwips)),
      lblFullBrand(MakeOffer(this, QStringLiteral("lblFullBrand"), FullBrandText(),
                             QStringLiteral("fully-branded"), offersTwips)) {
    setObjectName(QStringLiteral("fraFullBrand"));
    PlaceTwips(this, frameTwips.x(), frameTwips.y(), frameTwips.width(), frameTwips.height());
    BringToFront(coBrandInFront);
}

void BrandFrame::BringToFront(bool coBrand) {
    LinkLabel* front = coBrand ? lblCobrand : lblFullBrand;
    LinkLabel* behind = coBrand ? lblFullBrand : lblCobrand;
    front->raise();
    // Neither Tab nor a screen reader lands on the offer hidden behind.
    front->setFocusPolicy(Qt::StrongFocus);
    behind->setFocusPolicy(Qt::NoFocus);
    front->SetCovered(false);
    behind->SetCovered(true);
}

} // namespace zodiac
