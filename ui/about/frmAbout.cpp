#include "frmAbout.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "BrandTexts.h"
#include "Colors.h"
#include "Controls.h"
#include "LinkLabel.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowFonts.h"
#include "WindowSetup.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace zodiac {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent, WindowFlagsFor(WindowKind::Dialog)) {
    SetUpWindow(this, WindowKind::Dialog, QStringLiteral("frmAbout"), QSize(7110, 3285));
    setWindowIcon(ApplicationIcon());

    // Created first so it is first in the tab order and has the focus on opening.
    cmdOK = MakeButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    // Enter and Esc press OK.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    PlaceTwips(cmdOK, 5775, 2880, 1260, 345);

    picIcon = MakeLabel(this, QStringLiteral("picIcon"), QString());
    picIcon->setAccessibleName(QString::fromUtf8(ApplicationTitle));
    picIcon->setPixmap(ApplicationIcon().pixmap(32, 32));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(picIcon, 210, 150, 480, 480);

    Label2 = MakeLabel(this, QStringLiteral("Label2"), QString::fromUtf8(WindowCaption));
    Label2->setFont(WindowFont(9.75, true));
    PlaceTwips(Label2, 780, 150, 3750, 240);
    // The bold title needs more than its laid-out width in most fonts; it takes what it needs
    // to the right, where the window has room.
    Label2->resize(std::max(Label2->width(), Label2->sizeHint().width()), Label2->height());

    Label1 = MakeLabel(this, QStringLiteral("Label1"), AboutDescriptionText());
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(Label1, 810, 510, 6225, 1215);

    lblHomePage = MakeLink(this, QStringLiteral("lblHomePage"),
                           QStringLiteral("Click here to visit ") + WebSiteAddress(), BrandLinkColor,
                           Qt::AlignLeft | Qt::AlignVCenter);
    PlaceTwips(lblHomePage, 2985, 1680, 4050, 195);

    Label3 = MakeLabel(this, QStringLiteral("Label3"), AboutOfferText());
    Label3->setWordWrap(true);
    Label3->setFont(WindowFont(8.25, true));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(Label3, 150, 2040, 6885, 435);

    lblCoBrand = MakeLink(this, QStringLiteral("lblCoBrand"), QStringLiteral("Click here for more details."),
                          BrandLinkColor, Qt::AlignLeft | Qt::AlignVCenter);
    PlaceTwips(lblCoBrand, 4680, 2460, 2355, 195);

    Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);
    PlaceTwips(Line2, -60, 2790, 7140, 30);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);

    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCoBrand);
    cmdOK->setFocus();
    CentreOnScreen(this);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    OpenWebPage(QStringLiteral("home-page"));
}

void frmAbout::lblCoBrand_Click() {
    OpenWebPage(QStringLiteral("fully-branded"));
}

} // namespace zodiac
