#pragma once
#include <QString>

namespace zodiac {

// The offers and invitations shown by the link labels of several windows; one wording each.

// Co-branding invitation, 185 characters.
QString CoBrandText();
// Full-branding business offer, 161 characters.
QString FullBrandText();
// The forum's name, short enough for the narrow link labels.
QString ForumText();
// One line praising the discussion forum and inviting a visit.
QString SitePraiseText();
// One-line invitation to visit the site, naming its address; 43 characters.
QString VisitSiteText();
// The About window's full-branding offer, 132 characters.
QString AboutOfferText();
// The About window's product description.
QString AboutDescriptionText();

} // namespace zodiac
