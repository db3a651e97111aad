#include "AppIcon.h"
#include "AppInfo.h"
#include "BrandFrame.h"
#include "BrandTexts.h"
#include "Colors.h"
#include "EndApplication.h"
#include "FileDialogs.h"
#include "LeanStyle.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "RenderCheck.h"
#include "Twips.h"
#include "UrlCatcher.h"
#include "WebLinks.h"
#include "WhenModal.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace zodiac;

// A window that records its close and, like the main windows, ends the application from it.
class ClosingWindow : public QWidget {
public:
    int closeEvents = 0;
    bool endsFromClose = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeEvents;
        if (endsFromClose) {
            EndApplication();
        }
        QWidget::closeEvent(event);
    }
};

class tst_ShellWidgets : public QObject {
    Q_OBJECT

    UrlCatcher catcher;

private slots:
    void init() {
        catcher.urls.clear();
        SetMessageAnswerer({});
        SetFileDialogAnswerer({});
    }

    void linkLabelLook() {
        QWidget window;
        QFont windowFont(QStringLiteral("Verdana"));
        windowFont.setPointSizeF(8.25);
        window.setFont(windowFont);
        LinkLabel label(QStringLiteral("Click here for more details."), QColor(64, 64, 0), &window);
        QVERIFY(label.font().underline());
        QCOMPARE(label.font().pointSizeF(), 8.25);
        QCOMPARE(label.font().family(), windowFont.family());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(64, 64, 0));
        QCOMPARE(label.accessibleName(), QStringLiteral("Click here for more details."));
        QVERIFY(label.wordWrap());
        QVERIFY(label.focusPolicy() & Qt::TabFocus);
    }

    void linkLabelActivation_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("clicks");
        QTest::newRow("one click") << "click" << 1;
        QTest::newRow("two clicks") << "click2" << 2;
        QTest::newRow("double click") << "double" << 1;
        QTest::newRow("right button") << "right" << 0;
        QTest::newRow("released outside") << "dragout" << 0;
        QTest::newRow("enter key, left to the window") << "enter" << 0;
        QTest::newRow("return key, left to the window") << "return" << 0;
        QTest::newRow("space key") << "space" << 1;
        QTest::newRow("other key") << "letter" << 0;
    }

    void linkLabelActivation() {
        QFETCH(QString, action);
        QFETCH(int, clicks);
        QWidget window;
        window.resize(300, 100);
        LinkLabel label(QStringLiteral("Visit"), Qt::blue, &window);
        label.setGeometry(10, 10, 100, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy spy(&label, &LinkLabel::clicked);
        if (action == "click") {
            QTest::mouseClick(&label, Qt::LeftButton);
        } else if (action == "click2") {
            QTest::mouseClick(&label, Qt::LeftButton);
            QTest::mouseClick(&label, Qt::LeftButton);
        } else if (action == "double") {
            // What a double-click delivers: press, release, double-click press, release.
            QTest::mouseClick(&label, Qt::LeftButton);
            QTest::mouseDClick(&label, Qt::LeftButton);
            QTest::mouseRelease(&label, Qt::LeftButton);
        } else if (action == "right") {
            QTest::mouseClick(&label, Qt::RightButton);
        } else if (action == "dragout") {
            QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 50));
        } else if (action == "enter") {
            QTest::keyClick(&label, Qt::Key_Enter);
        } else if (action == "return") {
            QTest::keyClick(&label, Qt::Key_Return);
        } else if (action == "space") {
            QTest::keyClick(&label, Qt::Key_Space);
        } else {
            QTest::keyClick(&label, Qt::Key_A);
        }
        QCOMPARE(spy.count(), clicks);
    }

    void webPageAddresses_data() {
        QTest::addColumn<QString>("key");
        for (const char* key :
             {"home-page", "help-web-page", "download-web-page", "co-brand", "fully-branded", "donate"}) {
            QTest::newRow(key) << QString::fromLatin1(key);
        }
    }

    void webPageAddresses() {
        QFETCH(QString, key);
        const QUrl url = WebPageUrl(key);
        QVERIFY(url.isValid());
        QCOMPARE(url.toString(), "https://www.nerro.example/zodiac/ssd.php?page=" + key);
        OpenWebPage(key);
        OpenWebPage(key);
        QCOMPARE(catcher.urls, QList<QUrl>({url, url}));
    }

    void siteAddressFollowsBase() {
        QCOMPARE(WebSiteAddress(), QStringLiteral("www.nerro.example"));
        QCOMPARE(WebPageUrl("home-page").host(), WebSiteAddress());
    }

    void brandTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("co-brand") << CoBrandText() << 185 << "Co-brand this software for your site."
                                  << "Click Here for more info on co-branding.";
        QTest::newRow("full brand") << FullBrandText() << 161 << "Home Business Opportunity. Start your own"
                                    << "Click here for more details.";
        QTest::newRow("visit site") << VisitSiteText() << 43 << "Click here" << WebSiteAddress();
        QTest::newRow("about offer") << AboutOfferText() << 132 << "Home Business Opportunity. Start your own"
                                     << ".";
        QTest::newRow("about description")
            << AboutDescriptionText() << -1 << "Nerro Chinese Zodiac Signs Software is"
            << ".";
        QTest::newRow("site praise") << SitePraiseText() << -1 << "The Most Popular"
                                     << "Visit Us";
    }

    void brandTexts() {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(QString, first);
        QFETCH(QString, last);
        if (length >= 0) {
            QCOMPARE(text.size(), length);
        }
        QVERIFY2(text.startsWith(first), qPrintable(text));
        QVERIFY2(text.endsWith(last), qPrintable(text));
        QVERIFY(!text.contains(u'\n'));
        QVERIFY(!text.contains(QStringLiteral("  ")));
    }

    void aboutDescriptionIsAboutThreeHundred() {
        QVERIFY(AboutDescriptionText().size() >= 270 && AboutDescriptionText().size() <= 330);
    }

    // The contrast is worked out without the maths library; the formula as written must agree on
    // every level of each channel, against white, black and a middle grey.
    void contrastRatioIsWcags() {
        for (int v = 0; v < 256; ++v)
            for (const QColor color : {QColor(v, v, v), QColor(v, 0, 0), QColor(0, v, 0), QColor(0, 0, v)})
                for (const QColor against : {QColor(Qt::white), QColor(Qt::black), QColor(119, 119, 119)})
                    QVERIFY2(std::abs(ContrastRatio(color, against) / WcagContrast(color, against) - 1) < 1e-12,
                             qPrintable(color.name()));
    }

    void twipsToPixels_data() {
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("about window") << QRect(0, 0, 7110, 3285) << QRect(0, 0, 474, 219);
        QTest::newRow("button") << QRect(5775, 2880, 1260, 345) << QRect(385, 192, 84, 23);
        QTest::newRow("left of frame") << QRect(-60, 2790, 7140, 30) << QRect(-4, 186, 476, 2);
        QTest::newRow("odd twips round") << QRect(1747, 7, 8, 22) << QRect(116, 0, 1, 1);
    }

    void twipsToPixels() {
        QFETCH(QRect, twips);
        QFETCH(QRect, pixels);
        QCOMPARE(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()), pixels);
        QWidget parent;
        QWidget child(&parent);
        PlaceTwips(&child, twips.x(), twips.y(), twips.width(), twips.height());
        QCOMPARE(child.geometry(), pixels);
    }

    void applicationIconIsTheInstalledOne() {
        const QIcon icon = ApplicationIcon();
        // Window-list sizes only: each size is sent to the X server as raw pixels with every window.
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
        // Built in as pixels: each size shows exactly what its installed PNG file does.
        for (const int size : {16, 32, 48, 64}) {
            const QImage png(QStringLiteral(ZODIAC_ICON_DIR "/nerro-chinese-zodiac-%1.png").arg(size));
            QVERIFY(!png.isNull());
            QCOMPARE(icon.pixmap(size).toImage(), QPixmap::fromImage(png).toImage());
        }
    }

    // The lean style hands out each standard icon once, and the style's own; and draws group box
    // frames (in bands, and under Fusion with the middle filled) with the pixels the style draws in
    // one go. Every installed style is tried.
    void leanStyleIsTheStylesOwn() {
        for (const QString& key : QStyleFactory::keys()) {
            std::unique_ptr<QStyle> own(QStyleFactory::create(key));
            LeanStyle lean(QStyleFactory::create(key));
            for (const QStyle::StandardPixmap icon : {QStyle::SP_ArrowLeft, QStyle::SP_MessageBoxWarning}) {
                const QIcon first = lean.standardIcon(icon);
                QCOMPARE(lean.standardIcon(icon).cacheKey(), first.cacheKey());
                QCOMPARE(first.pixmap(32).toImage(), own->standardIcon(icon).pixmap(32).toImage());
            }
            // With and without a title or check box, tall, and too low for a middle.
            for (const QSize size : {QSize(230, 427), QSize(230, 120), QSize(120, 30)})
                for (const int kind : {0, 1, 2}) {
                    QImage frames[2];
                    for (QStyle* style : {own.get(), static_cast<QStyle*>(&lean)}) {
                        QGroupBox box(kind == 1 ? QString() : QStringLiteral("Your Star Sign"));
                        box.setCheckable(kind == 2);
                        box.setStyle(style);
                        box.resize(size);
                        frames[style == own.get() ? 0 : 1] = box.grab().toImage();
                    }
                    QVERIFY2(frames[1] == frames[0],
                             qPrintable(QStringLiteral("%1 %2 %3").arg(key).arg(size.height()).arg(kind)));
                }
        }
        QVERIFY(QGuiApplication::desktopSettingsAware());
    }

    // The style's built-in pictures are read as PNG, without the image plug-ins, and kept where
    // QPixmap's own reading of the file finds them. The icons made of them show the style's own
    // pixels at every size, scale and mode.
    void builtInPicturesAreTheStylesOwn() {
        const QString groupBox =
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
        const QPixmap read = ReadBuiltInPicture(groupBox);
        QVERIFY(!read.isNull());
        QCOMPARE(QPixmap(groupBox).cacheKey(), read.cacheKey());

        const QString theme = QIcon::themeName();
        QIcon::setThemeName(QIcon::fallbackThemeName());
        std::unique_ptr<QStyle> own(QStyleFactory::create(QStringLiteral("Fusion")));
        LeanStyle lean(QStyleFactory::create(QStringLiteral("Fusion")));
        for (const QStyle::StandardPixmap sign :
             {QStyle::SP_ArrowLeft, QStyle::SP_ArrowRight, QStyle::SP_ToolBarHorizontalExtensionButton,
              QStyle::StandardPixmap(-1)}) {
            // The last: the menu bar's icon once more, right to left.
            const bool rightToLeft = sign < 0;
            QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            const QIcon ours =
                lean.standardIcon(rightToLeft ? QStyle::SP_ToolBarHorizontalExtensionButton : sign);
            const QIcon theirs =
                own->standardIcon(rightToLeft ? QStyle::SP_ToolBarHorizontalExtensionButton : sign);
            const auto sizes = [](const QIcon& icon) {
                QList<QSize> sizes = icon.availableSizes();
                std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
                return sizes;
            };
            QCOMPARE(sizes(ours), sizes(theirs));
            for (const int side : {8, 16, 20, 24, 32, 40, 128, 200})
                for (const qreal scale : {1.0, 1.5, 2.0})
                    for (const QIcon::Mode mode :
                         {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                        const QSize size(side, side);
                        const QString where =
                            QStringLiteral("%1 %2 %3 %4").arg(sign).arg(side).arg(scale).arg(mode);
                        QVERIFY2(ours.pixmap(size, scale, mode).toImage() ==
                                     theirs.pixmap(size, scale, mode).toImage(),
                                 qPrintable(where));
                    }
        }
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QIcon::setThemeName(theme);
    }

    void messageSeamSeesCaptionAndIcon_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<int>("answer");
        QTest::newRow("information ok") << int(MessageIcon::Information) << false << int(MessageAnswer::Ok);
        QTest::newRow("critical ok") << int(MessageIcon::Critical) << false << int(MessageAnswer::Ok);
        QTest::newRow("question yes") << int(MessageIcon::Information) << true << int(MessageAnswer::Yes);
        QTest::newRow("question no") << int(MessageIcon::Information) << true << int(MessageAnswer::No);
    }

    void messageSeamSeesCaptionAndIcon() {
        QFETCH(int, icon);
        QFETCH(bool, yesNo);
        QFETCH(int, answer);
        QList<ShownMessage> shown;
        SetMessageAnswerer([&](const ShownMessage& m) {
            shown.append(m);
            return MessageAnswer(answer);
        });
        QCOMPARE(int(ShowMessage(nullptr, "Please enter your name", MessageIcon(icon), yesNo)), answer);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Please enter your name"));
        QCOMPARE(shown[0].caption, QStringLiteral("Nerro Chinese Zodiac Software"));
        QCOMPARE(int(shown[0].icon), icon);
        QCOMPARE(shown[0].yesNo, yesNo);
    }

    // Tabbing onto a link shows a frame around it; a click does not leave one behind.
    void linkLabelFocusFrame() {
        QWidget window;
        window.resize(300, 100);
        QLineEdit before(&window);
        before.setGeometry(10, 10, 100, 20);
        LinkLabel label(QStringLiteral("Visit"), Qt::blue, &window);
        label.setGeometry(10, 40, 100, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        before.setFocus(Qt::OtherFocusReason);
        const QImage unfocused = label.grab().toImage();
        label.setFocus(Qt::TabFocusReason);
        QVERIFY(label.hasFocus());
        const QImage byKeyboard = label.grab().toImage();
        QVERIFY(byKeyboard != unfocused);
        // The frame is drawn in the link's own colour, which is readable on the window.
        QVERIFY(byKeyboard.pixelColor(0, 0) == label.palette().color(QPalette::WindowText) ||
                byKeyboard.pixelColor(0, 1) == label.palette().color(QPalette::WindowText));
        before.setFocus(Qt::OtherFocusReason);
        label.setFocus(Qt::MouseFocusReason);
        QCOMPARE(label.grab().toImage(), unfocused);
    }

    // Screen readers are told a link: its text, a press action that opens it, and nothing at all
    // while it lies under another label.
    void linkLabelForScreenReaders() {
        QWidget window;
        LinkLabel label(QStringLiteral("Visit us"), Qt::blue, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&label);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Link);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Visit us"));
        QAccessibleActionInterface* actions = accessible->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QSignalSpy spy(&label, &LinkLabel::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(spy.count(), 1);
        QVERIFY(!accessible->state().invisible);
        label.SetCovered(true);
        QVERIFY(accessible->state().invisible);
        QVERIFY(!accessible->state().focusable);
        label.SetCovered(false);
        QVERIFY(!accessible->state().invisible);
    }

    // A window's font without an underline, as the bold offers are given, keeps the link underlined.
    void linkLabelStaysUnderlined() {
        LinkLabel label(QStringLiteral("Offer"), Qt::blue);
        QFont bold(QStringLiteral("Verdana"));
        bold.setBold(true);
        label.setFont(bold);
        QVERIFY(label.font().underline());
        QVERIFY(label.font().bold());
    }

    // Message boxes under each palette a desktop theme may give.
    void messageBoxRendersReadably_data() { AddPaletteRows(); }

    void messageBoxRendersReadably() {
        QFETCH(QPalette, palette);
        UsePalette(palette);
        for (const QString& text : {QStringLiteral("Please Enter Correct Date Or Month !"),
                                    QStringLiteral("There maybe an update to this software available\n"
                                                   "Do you want to check for an update?")}) {
            bool checked = false;
            WhenModal<QMessageBox>([&](QMessageBox* box) {
                checked = true;
                VerifyRendering(box);
                box->buttons().front()->click();
            });
            ShowMessage(nullptr, text, MessageIcon::Information, text.contains(u'\n'));
            QVERIFY(checked);
        }
        UsePalette(TestPalettes().front().palette);
    }

    void realMessageBox_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("information ok")
            << int(MessageIcon::Information) << false << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
        QTest::newRow("critical ok") << int(MessageIcon::Critical) << false << int(QMessageBox::Ok)
                                     << int(MessageAnswer::Ok);
        QTest::newRow("question yes")
            << int(MessageIcon::Information) << true << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
        QTest::newRow("question no") << int(MessageIcon::Information) << true << int(QMessageBox::No)
                                     << int(MessageAnswer::No);
    }

    void realMessageBox() {
        QFETCH(int, icon);
        QFETCH(bool, yesNo);
        QFETCH(int, press);
        QFETCH(int, answer);
        bool checked = false;
        QString caption, text;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            checked = true;
            caption = box->windowTitle();
            text = box->text();
            shownIcon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::StandardButton(press))->click();
        });
        const QString message = QStringLiteral("There maybe an update to this software available\n"
                                               "Do you want to check for an update?");
        QCOMPARE(int(ShowMessage(nullptr, message, MessageIcon(icon), yesNo)), answer);
        QVERIFY(checked);
        QCOMPARE(caption, QStringLiteral("Nerro Chinese Zodiac Software"));
        QCOMPARE(text, message);
        QCOMPARE(shownIcon,
                 icon == int(MessageIcon::Critical) ? QMessageBox::Critical : QMessageBox::Information);
        QCOMPARE(buttons, yesNo ? QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No)
                                : QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void fileDialogSeam() {
        QList<FileDialogRequest> asked;
        SetFileDialogAnswerer([&](const FileDialogRequest& r) {
            asked.append(r);
            return QStringLiteral("/tmp/reading.str");
        });
        const FileDialogRequest request{FileDialogRequest::Save, "Save", "Zodiac Files (*.str)", "str"};
        QCOMPARE(AskForFile(nullptr, request), QStringLiteral("/tmp/reading.str"));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].title, QStringLiteral("Save"));
    }

    void realFileDialog_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("expected");
        QTest::newRow("save adds suffix")
            << int(FileDialogRequest::Save) << "reading" << true << "reading.str";
        QTest::newRow("save cancelled") << int(FileDialogRequest::Save) << "reading" << false << "";
        QTest::newRow("open existing") << int(FileDialogRequest::Open) << "old.str" << true << "old.str";
        QTest::newRow("open cancelled") << int(FileDialogRequest::Open) << "old.str" << false << "";
    }

    void realFileDialog() {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(bool, accept);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QFile existing(dir.filePath("old.str"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        bool checked = false;
        QString title, filter, suffix;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
        bool confirmOverwrite = false;
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            checked = true;
            title = dialog->windowTitle();
            filter = dialog->nameFilters().join(";;");
            suffix = dialog->defaultSuffix();
            mode = dialog->fileMode();
            acceptMode = dialog->acceptMode();
            confirmOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            if (!accept) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(dir.path());
            dialog->selectFile(dir.filePath(typed));
            static_cast<QDialog*>(dialog)->accept();
        });
        const FileDialogRequest request{FileDialogRequest::Kind(kind), "Open a reading",
                                        "Zodiac Files (*.str)", "str"};
        const QString result = AskForFile(nullptr, request);

        QVERIFY(checked);
        QCOMPARE(title, QStringLiteral("Open a reading"));
        QCOMPARE(filter, QStringLiteral("Zodiac Files (*.str)"));
        QCOMPARE(suffix, QStringLiteral("str"));
        if (kind == FileDialogRequest::Open) {
            QCOMPARE(mode, QFileDialog::ExistingFile);
            QCOMPARE(acceptMode, QFileDialog::AcceptOpen);
        } else {
            QCOMPARE(acceptMode, QFileDialog::AcceptSave);
            QVERIFY(confirmOverwrite);
        }
        QCOMPARE(QFileInfo(result).fileName(), expected);
    }

    void endApplicationClosesEveryWindowOnce() {
        int ends = 0;
        SetEndApplicationHook([&] { ++ends; });
        QVERIFY(!IsEndingApplication());

        auto* shown = new ClosingWindow;
        shown->setAttribute(Qt::WA_DeleteOnClose);
        shown->endsFromClose = true;
        QPointer<ClosingWindow> shownGuard(shown);
        shown->show();
        ClosingWindow hidden;
        hidden.endsFromClose = true;
        ClosingWindow neverShown;
        auto* second = new ClosingWindow;
        second->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<ClosingWindow> secondGuard(second);
        second->show();
        hidden.show();
        hidden.hide();

        EndApplication();
        QVERIFY(IsEndingApplication());
        EndApplication();
        QCOMPARE(ends, 1);
        QCOMPARE(hidden.closeEvents, 1);
        QCOMPARE(neverShown.closeEvents, 1);
        QVERIFY(!hidden.isVisible());
        QTRY_VERIFY(shownGuard.isNull());
        QTRY_VERIFY(secondGuard.isNull());

        SetEndApplicationHook({});
        QVERIFY(!IsEndingApplication());
    }

    void brandOfferBehindIsCovered_data() {
        QTest::addColumn<bool>("coBrandFirst");
        QTest::addColumn<bool>("coBrandThen");
        QTest::newRow("co-brand in front") << true << true;
        QTest::newRow("full brand in front") << false << false;
        QTest::newRow("co-brand brought forward") << false << true;
        QTest::newRow("full brand brought forward") << true << false;
    }

    void brandOfferBehindIsCovered() {
        QFETCH(bool, coBrandFirst);
        QFETCH(bool, coBrandThen);
        QWidget window;
        window.resize(420, 100);
        BrandFrame frame(&window, QRect(0, 0, 6000, 1200), QRect(120, 165, 5500, 900), coBrandFirst);
        if (coBrandThen != coBrandFirst)
            frame.BringToFront(coBrandThen);
        LinkLabel* front = coBrandThen ? frame.lblCobrand : frame.lblFullBrand;
        LinkLabel* behind = coBrandThen ? frame.lblFullBrand : frame.lblCobrand;
        QCOMPARE(front->objectName(),
                 coBrandThen ? QStringLiteral("lblCobrand") : QStringLiteral("lblFullBrand"));
        QCOMPARE(frame.childAt(front->geometry().center()), front);
        QVERIFY(behind->isVisibleTo(&frame));
        QCOMPARE(front->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(behind->focusPolicy(), Qt::NoFocus);
        QVERIFY(!front->IsCovered());
        QVERIFY(behind->IsCovered());

        // What the user sees is the front offer alone: the one behind does not show through.
        const QImage seen = frame.grab().toImage();
        behind->hide();
        QCOMPARE(frame.grab().toImage(), seen);
        front->hide();
        QVERIFY(frame.grab().toImage() != seen);
    }

    // Each offer opens its own page, and both look like the links they are.
    void brandOffersOpenTheirPages() {
        BrandFrame frame(nullptr, QRect(0, 0, 6000, 1200), QRect(120, 165, 5500, 900), true);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::mouseClick(frame.lblCobrand, Qt::LeftButton);
        frame.BringToFront(false);
        QTest::mouseClick(frame.lblFullBrand, Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), 2);
        QVERIFY(catcher.urls[0].toString().endsWith("ssd.php?page=co-brand"));
        QVERIFY(catcher.urls[1].toString().endsWith("ssd.php?page=fully-branded"));
        for (LinkLabel* offer : {frame.lblCobrand, frame.lblFullBrand}) {
            QVERIFY(offer->font().bold());
            QVERIFY(offer->font().underline());
            QCOMPARE(offer->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        }
    }
};

QTEST_MAIN(tst_ShellWidgets)
#include "tst_shellwidgets.moc"
