#include "BrandTexts.h"

#include "WebLinks.h"

namespace zodiac {

QString CoBrandText() {
    return QStringLiteral(
        "Co-brand this software for your site. Put your own name, logo and web address on it "
        "and give it to your visitors, so each copy brings them back. Click Here for more info "
        "on co-branding.");
}

QString FullBrandText() {
    return QStringLiteral(
        "Home Business Opportunity. Start your own Internet business: have this software fully "
        "branded for your site and sell it as your own. Click here for more details.");
}

QString ForumText() {
    return QStringLiteral("The Most Popular Online Vessic Discussion Forum");
}

QString SitePraiseText() {
    return QStringLiteral(
        "The Most Popular Online Vessic Discussion Forum - Join the talk, Click Here to Visit Us");
}

QString VisitSiteText() {
    return QStringLiteral("Click here to visit us at ") + WebSiteAddress();
}

QString AboutOfferText() {
    return QStringLiteral("Home Business Opportunity. Start your own Internet business today, and have this "
                          "software fully branded for your very own web pages.");
}

QString AboutDescriptionText() {
    return QStringLiteral(
        "Nerro Chinese Zodiac Signs Software is a free program that finds your Chinese animal "
        "sign and element from your date of birth and gives you a detailed report of the "
        "characteristics and features of that sign. Reading it helps you understand your "
        "positive and negative traits and how you get along with others.");
}

} // namespace zodiac
