#include "AppIcon.h"
#include "LinkLabel.h"
#include "RenderCheck.h"
#include "UrlCatcher.h"
#include "frmAbout.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zodiac;

class tst_About : public QObject {
    Q_OBJECT

    UrlCatcher catcher;

private slots:
    void init() { catcher.urls.clear(); }

    void windowFrame() {
        frmAbout about;
        // The caption names the product and the release, whatever release it is.
        QVERIFY2(QRegularExpression(QStringLiteral("^Nerro Chinese Zodiac Software v[0-9]+(\\.[0-9]+)+$"))
                     .match(about.windowTitle())
                     .hasMatch(),
                 qPrintable(about.windowTitle()));
        QCOMPARE(about.size(), QSize(474, 219));
        QCOMPARE(about.minimumSize(), QSize(474, 219));
        QCOMPARE(about.maximumSize(), QSize(474, 219));
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!about.windowIcon().isNull());
        QCOMPARE(about.font().pointSizeF(), 8.25);
        QVERIFY(!about.testAttribute(Qt::WA_DeleteOnClose));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::newRow("cmdOK") << "cmdOK"
                               << "OK" << false;
        QTest::newRow("Label2") << "Label2"
                                << "" << true;
        QTest::newRow("lblHomePage") << "lblHomePage"
                                     << "Click here to visit www.nerro.example" << false;
        QTest::newRow("Label3") << "Label3"
                                << "" << true;
        QTest::newRow("lblCoBrand") << "lblCoBrand"
                                    << "Click here for more details." << false;
        QTest::newRow("Label1") << "Label1"
                                << "" << false;
        QTest::newRow("picIcon") << "picIcon"
                                 << "" << false;
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        frmAbout about;
        auto* control = about.findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->font().bold(), bold);
        QVERIFY(!control->accessibleName().isEmpty());
        QVERIFY(!control->accessibleName().contains(u'&'));
        if (!text.isEmpty()) {
            QString shown;
            if (auto* label = qobject_cast<QLabel*>(control)) {
                shown = label->text();
            } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                shown = button->text();
            }
            QCOMPARE(shown, text);
            QCOMPARE(control->accessibleName(), text);
        }
    }

    void texts() {
        frmAbout about;
        // The title shows the caption, release and all.
        QCOMPARE(about.findChild<QLabel*>("Label2")->text(), about.windowTitle());
        QVERIFY(about.findChild<QLabel*>("Label3")->text().startsWith(
            "Home Business Opportunity. Start your own"));
        QVERIFY(
            about.findChild<QLabel*>("Label1")->text().startsWith("Nerro Chinese Zodiac Signs Software is"));
        QCOMPARE(about.findChild<QLabel*>("Label2")->font().pointSizeF(), 9.75);
        auto* line = about.findChild<QFrame*>("Line2");
        QVERIFY(line != nullptr);
        QCOMPARE(line->frameShape(), QFrame::HLine);
        QVERIFY(line->geometry().left() <= 0 && line->geometry().right() >= 471);
        QCOMPARE(about.findChild<QLabel*>("picIcon")->pixmap().size(), QSize(32, 32));
    }

    void linksLook() {
        frmAbout about;
        for (const char* name : {"lblHomePage", "lblCoBrand"}) {
            auto* link = about.findChild<LinkLabel*>(name);
            QVERIFY(link != nullptr);
            QVERIFY(link->font().underline());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        }
    }

    void rendersReadably_data() { AddPaletteRows(); }

    void rendersReadably() {
        QFETCH(QPalette, palette);
        UsePalette(palette);
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        qInfo("lowest contrast of a coloured text: %.2f:1", VerifyRendering(&about));
        UsePalette(TestPalettes().front().palette);
    }

    // Enter belongs to OK, also while a link has the focus; Space opens the focused link.
    void keysOnAFocusedLink_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("pages");
        QTest::newRow("Enter") << int(Qt::Key_Enter) << true << 0;
        QTest::newRow("Return") << int(Qt::Key_Return) << true << 0;
        QTest::newRow("Space") << int(Qt::Key_Space) << false << 1;
    }

    void keysOnAFocusedLink() {
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(int, pages);
        frmAbout about;
        bool linkFocused = false;
        bool closedByKey = false;
        QTimer::singleShot(0, &about, [&] {
            QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
            linkFocused = about.focusWidget() == about.findChild<QWidget*>("lblHomePage");
            QTest::keyClick(about.focusWidget(), Qt::Key(key));
            closedByKey = !about.isVisible();
            if (about.isVisible())
                about.done(99);
        });
        about.exec();
        QVERIFY(linkFocused);
        QCOMPARE(closedByKey, closes);
        QCOMPARE(catcher.urls.size(), pages);
    }

    void linksOpenTheirPages_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::newRow("lblHomePage") << "lblHomePage"
                                     << "home-page";
        QTest::newRow("lblCoBrand") << "lblCoBrand"
                                    << "fully-branded";
    }

    void linksOpenTheirPages() {
        QFETCH(QString, name);
        QFETCH(QString, key);
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* link = about.findChild<LinkLabel*>(name);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls[0].toString(), "https://www.nerro.example/zodiac/ssd.php?page=" + key);
        QVERIFY(about.isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), 2);
    }

    void closesBy_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Return") << "return";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("OK button") << "click";
    }

    void closesBy() {
        QFETCH(QString, how);
        frmAbout about;
        bool focusOnOk = false;
        QTimer::singleShot(0, &about, [&] {
            focusOnOk = about.focusWidget() == about.findChild<QPushButton*>("cmdOK");
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &about;
            if (how == "enter") {
                QTest::keyClick(target, Qt::Key_Enter);
            } else if (how == "return") {
                QTest::keyClick(target, Qt::Key_Return);
            } else if (how == "esc") {
                QTest::keyClick(target, Qt::Key_Escape);
            } else {
                QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            }
        });
        // Safety net so a window that does not close fails instead of hanging.
        bool forced = false;
        QTimer::singleShot(3000, &about, [&] {
            forced = true;
            about.done(99);
        });
        const int result = about.exec();
        QVERIFY(!forced);
        QVERIFY(result != 99);
        QVERIFY(focusOnOk);
        QVERIFY(!about.isVisible());
    }

    void opensCentred() {
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QRect screen = about.screen()->availableGeometry();
        QVERIFY(qAbs(about.frameGeometry().center().x() - screen.center().x()) <= 2);
        QVERIFY(qAbs(about.frameGeometry().center().y() - screen.center().y()) <= 2);
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
