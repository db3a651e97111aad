#include "ApplicationFlow.h"
#include "EndApplication.h"
#include "MessageBox.h"
#include "RecordFile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using zodiac::frmMain;
using zodiac::frmSignDetails;

class tst_ApplicationFlow : public QObject {
    Q_OBJECT

    int endings = 0;

    static void Proceed(frmMain* window) {
        window->findChild<QLineEdit*>("txtName")->setText(QStringLiteral("Lee"));
        window->findChild<QRadioButton*>("optSex_1")->setChecked(true);
        window->findChild<QComboBox*>("cboYear")->setCurrentIndex(1980 - 1900);
        window->cmdProceed_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    struct DetailsSeen : QObject {
        bool seen = false;
        bool eventFilter(QObject* watched, QEvent*) override {
            seen = seen || qobject_cast<frmSignDetails*>(watched);
            return false;
        }
    };

    static bool FullBrandOnTop(frmMain* window) {
        auto* label = window->findChild<QLabel*>("lblFullBrand");
        return label->parentWidget()->childAt(label->geometry().center()) == label;
    }

private slots:
    void init() {
        endings = 0;
        zodiac::SetEndApplicationHook([this] { ++endings; });
    }

    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!window->parentWidget())
                window->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void handOversNeverEnd_data() {
        QTest::addColumn<bool>("backByMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("Back menu") << true;
    }

    void handOversNeverEnd() {
        QFETCH(bool, backByMenu);
        zodiac::ApplicationFlow flow(7);
        flow.ShowMainWindow();
        for (int round = 0; round < 3; ++round) {
            frmMain* main = flow.MainWindow();
            QVERIFY(main);
            QCOMPARE(main->findChild<QComboBox*>("cboYear")->count(), 201);
            QCOMPARE(main->findChild<QComboBox*>("cboDate")->currentText(), QStringLiteral("1"));
            QVERIFY(main->findChild<QLineEdit*>("txtName")->text().isEmpty());
            QVERIFY(!main->findChild<QRadioButton*>("optSex_1")->isChecked());
            QVERIFY(FullBrandOnTop(main));
            Proceed(main);
            QVERIFY(!flow.MainWindow());
            frmSignDetails* details = flow.SignDetails();
            QVERIFY(details && details->isVisible());
            QCOMPARE(flow.Reading().YearText, std::string("1980"));
            // 1 January 1980 lies before that year's New Year: the flow's table gives the Goat.
            QCOMPARE(flow.Reading().Sign, std::string("Goat"));
            if (backByMenu)
                details->findChild<QAction*>("mnuBack")->trigger();
            else
                details->cmdBack_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!flow.SignDetails());
        }
        QCOMPARE(endings, 0);
    }

    // The calendar's edges end to end: typed into the real main window, read by the flow.
    void readingsAtTheEdges_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("element");
        // clang-format off
        QTest::newRow("1 Jan 1900") << 1 << 1 << 1900 << "Pig" << "Earth";
        QTest::newRow("31 Jan 1900") << 31 << 1 << 1900 << "Rat" << "Metal";
        QTest::newRow("23 Jan 1936") << 23 << 1 << 1936 << "Pig" << "Wood";
        QTest::newRow("24 Jan 1936") << 24 << 1 << 1936 << "Rat" << "Fire";
        QTest::newRow("29 Feb 2000") << 29 << 2 << 2000 << "Dragon" << "Metal";
        QTest::newRow("29 Feb 2096") << 29 << 2 << 2096 << "Dragon" << "Fire";
        QTest::newRow("31 Dec 2100") << 31 << 12 << 2100 << "Monkey" << "Metal";
        // clang-format on
    }

    void readingsAtTheEdges() {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        zodiac::ApplicationFlow flow(7);
        frmMain* main = flow.ShowMainWindow();
        main->findChild<QLineEdit*>("txtName")->setText(QStringLiteral("Ida"));
        main->findChild<QRadioButton*>("optSex_1")->setChecked(true);
        main->findChild<QComboBox*>("cboDate")->setCurrentIndex(day - 1);
        main->findChild<QComboBox*>("cboMonth")->setCurrentIndex(month - 1);
        main->findChild<QComboBox*>("cboYear")->setCurrentIndex(year - 1900);
        main->cmdProceed_Click();
        QFETCH(QString, sign);
        QFETCH(QString, element);
        QVERIFY(flow.SignDetails());
        QCOMPARE(QString::fromStdString(flow.Reading().Sign), sign);
        QCOMPARE(QString::fromStdString(flow.Reading().Element), element);
    }

    void closeEndsOnce_data() {
        QTest::addColumn<bool>("onDetails");
        QTest::newRow("main window") << false;
        QTest::newRow("details window") << true;
    }

    void closeEndsOnce() {
        QFETCH(bool, onDetails);
        zodiac::ApplicationFlow flow(7);
        flow.ShowMainWindow();
        if (onDetails) {
            Proceed(flow.MainWindow());
            flow.SignDetails()->close();
        } else {
            flow.MainWindow()->close();
        }
        QCOMPARE(endings, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!flow.MainWindow());
        QVERIFY(!flow.SignDetails());
    }

    // While the first main window waits, a details window is drawn off screen and thrown away:
    // nothing of it shows or stays.
    void rehearsalLeavesNothing() {
        DetailsSeen watch;
        qApp->installEventFilter(&watch);
        zodiac::ApplicationFlow flow(7);
        frmMain* main = flow.ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QTRY_VERIFY(watch.seen);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(window == main || (!window->isVisible() && !qobject_cast<frmSignDetails*>(window)));
        QCOMPARE(main->focusWidget(), main->findChild<QLineEdit*>("txtName"));
        Proceed(main);
        QVERIFY(flow.SignDetails()->isVisible());
        QCOMPARE(endings, 0);
    }

    // A record from the command line opens once the main window is up (tst_frmmain: what Open refuses).
    void recordFromCommandLine() {
        zodiac::SetMessageAnswerer([](const zodiac::ShownMessage&) { return zodiac::MessageAnswer::Ok; });
        QTemporaryDir dir;
        const QString path = dir.filePath("Zoë Lee.str");
        QVERIFY(zodiac::WriteRecordFile(path, {"Zoë Lee", "Female", "7", "January", "1980"}).ok);
        zodiac::ApplicationFlow flow(7);
        flow.ShowMainWindow();
        flow.OpenRecordWhenShown(path);
        QVERIFY(flow.MainWindow()->isVisible() && !flow.SignDetails());
        QTRY_VERIFY(flow.SignDetails());
        QCOMPARE(flow.Reading().Name, std::string("Zoë Lee"));
    }

    void coBrandAboutHalf() {
        zodiac::ApplicationFlow flow(1);
        frmMain* window = flow.ShowMainWindow();
        std::mt19937 generator(20261208);
        int coBrandOnTop = 0;
        constexpr int draws = 2000;
        for (int i = 0; i < draws; ++i) {
            const int drawn = zodiac::CoBrand_Randomize(*window, generator);
            QVERIFY(drawn >= 1 && drawn <= 6);
            QCOMPARE(!FullBrandOnTop(window), drawn % 2 == 1);
            coBrandOnTop += FullBrandOnTop(window) ? 0 : 1;
        }
        QVERIFY(coBrandOnTop > draws * 40 / 100 && coBrandOnTop < draws * 60 / 100);
    }
};

QTEST_MAIN(tst_ApplicationFlow)
#include "tst_applicationflow.moc"
