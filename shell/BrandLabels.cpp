#include "BrandLabels.h"

#include "BrandTexts.h"
#include "Twips.h"

namespace zodiac {

BrandLabels MakeBrandLabels(QWidget* frame, const QFont& font, const QColor& color, int left, int top,
                            int width, int height, bool coBrandInFront) {
    BrandLabels labels;
    labels.coBrand = new LinkLabel(CoBrandText(), color, frame);
    labels.coBrand->setObjectName(QStringLiteral("lblCobrand"));
    labels.fullBrand = new LinkLabel(FullBrandText(), color, frame);
    labels.fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    for (LinkLabel* label : {labels.coBrand, labels.fullBrand}) {
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        // Opaque: a label draws no background of its own, and the offer behind would show
        // through the one in front.
        label->setAutoFillBackground(true);
        PlaceTwips(label, left, top, width, height);
    }
    BringBrandToFront(labels, coBrandInFront);
    return labels;
}

void BringBrandToFront(const BrandLabels& labels, bool coBrand) {
    LinkLabel* front = coBrand ? labels.coBrand : labels.fullBrand;
    LinkLabel* behind = coBrand ? labels.fullBrand : labels.coBrand;
    front->raise();
    front->setFocusPolicy(Qt::StrongFocus);
    behind->setFocusPolicy(Qt::NoFocus);
}

} // namespace zodiac
