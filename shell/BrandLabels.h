#pragma once
#include "LinkLabel.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace zodiac {

// The co-branding and full-branding offers, laid over each other in one rectangle of a frame.
// Both stay visible; the one in front is the one seen, clicked and reached by Tab.
struct BrandLabels {
    LinkLabel* coBrand = nullptr;   // "lblCobrand"
    LinkLabel* fullBrand = nullptr; // "lblFullBrand"
};

// Creates both offers in `frame` at the rectangle given in twips, centred and word-wrapped in
// `font` and `color`, with `coBrandInFront` deciding which lies on top.
BrandLabels MakeBrandLabels(QWidget* frame, const QFont& font, const QColor& color, int left, int top,
                            int width, int height, bool coBrandInFront);

// Brings one offer to the front. Only the front one takes keyboard focus, so Tab never lands on
// the offer hidden behind it.
void BringBrandToFront(const BrandLabels& labels, bool coBrand);

} // namespace zodiac
