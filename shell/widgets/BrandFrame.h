#pragma once
#include <QGroupBox>
#include <QRect>

namespace zodiac {

class LinkLabel;

// The frame of the two brand offers ("fraFullBrand"): the co-branding offer ("lblCobrand", page
// "co-brand") and the full-branding offer ("lblFullBrand", page "fully-branded"), laid over each
// other in one rectangle, bold, underlined and blue. Each opens its page on a click. Both stay
// visible; the one in front is the one seen, clicked and reached by Tab.
class BrandFrame : public QGroupBox {
    Q_OBJECT

public:
    // The frame and the offers inside it at their rectangles in twips.
    BrandFrame(QWidget* parent, const QRect& frameTwips, const QRect& offersTwips, bool coBrandInFront);

    void BringToFront(bool coBrand);

    LinkLabel* const lblCobrand;
    LinkLabel* const lblFullBrand;
};

} // namespace zodiac
