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
    QStringList messages;
    QTemporaryDir scratch;

    static void Proceed(frmMain* window) {
        window->findChild<QLineEdit*>("txtName")->setText(QStringLiteral("Lee"));
        window->findChild<QRadioButton*>("optSex_1")->setChecked(true);
        window->findChild<QComboBox*>("cboYear")->setCurrentIndex(44);
        window->cmdProceed_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static bool FullBrandOnTop(frmMain* window) {
        auto* label = window->findChild<QLabel*>("lblFullBrand");
        return label->parentWidget()->childAt(label->geometry().center()) == label;
    }

private slots:
    void initTestCase() {
        // The start-up's update reminder keeps its setting here, not in the user's.
        qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
        QVERIFY(QDir::setCurrent(scratch.path()) && QDir().mkpath("Zoë's readings/folder.str"));
        const QByteArray good = zodiac::BuildRecordBytes({"Zoë Lee", "Female", "7", "January", "1980"});
        for (const char* name : {"Zoë Lee.str", "Zoë Lee.STR", "Zoë Lee.txt", "short.str"}) {
            QFile file(QStringLiteral("Zoë's readings/") + QString::fromUtf8(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(name) == "short.str" ? good.left(good.indexOf("\n7")) : good);
        }
    }

    void init() {
        endings = 0;
        messages.clear();
        zodiac::SetMessageAnswerer([this](const zodiac::ShownMessage& shown) {
            messages.append(shown.text);
            return zodiac::MessageAnswer::No;
        });
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
            QCOMPARE(main->findChild<QComboBox*>("cboYear")->count(), 84);
            QCOMPARE(main->findChild<QComboBox*>("cboDate")->currentText(), QStringLiteral("1"));
            QVERIFY(main->findChild<QLineEdit*>("txtName")->text().isEmpty());
            QVERIFY(!main->findChild<QRadioButton*>("optSex_1")->isChecked());
            QVERIFY(FullBrandOnTop(main));
            Proceed(main);
            QVERIFY(!flow.MainWindow());
            frmSignDetails* details = flow.SignDetails();
            QVERIFY(details && details->isVisible());
            QCOMPARE(flow.Reading().YearText, std::string("1980"));
            if (backByMenu)
                details->findChild<QAction*>("mnuBack")->trigger();
            else
                details->cmdBack_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!flow.SignDetails());
        }
        QCOMPARE(endings, 0);
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

    // A record named on the command line opens in the main window as one chosen in its dialog.
    void recordFromCommandLine_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("shown");
        QTest::newRow("relative, spaces, accents") << "Zoë's readings/Zoë Lee.str" << true;
        QTest::newRow("absolute") << scratch.filePath("Zoë's readings/Zoë Lee.str") << true;
        QTest::newRow("three lines") << "Zoë's readings/short.str" << false;
        QTest::newRow("missing") << "Zoë's readings/none.str" << false;
        QTest::newRow("folder") << "Zoë's readings/folder.str" << false;
        QTest::newRow("capital STR") << "Zoë's readings/Zoë Lee.STR" << false;
        QTest::newRow("other ending") << "Zoë's readings/Zoë Lee.txt" << false;
    }

    void recordFromCommandLine() {
        QFETCH(QString, path);
        QFETCH(bool, shown);
        zodiac::ApplicationFlow flow(7);
        flow.StartApplication(QDate::currentDate(), path);
        QVERIFY(flow.MainWindow() && flow.MainWindow()->isVisible() && !flow.SignDetails());
        QTRY_VERIFY(flow.SignDetails() || messages.contains("Please Check The File."));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(bool(flow.SignDetails()), shown);
        QCOMPARE(!flow.MainWindow(), shown);
        QCOMPARE(flow.Reading().Name, std::string(shown ? "Zoë Lee" : ""));
        if (!shown)
            QVERIFY(flow.MainWindow()->findChild<QLineEdit*>("txtName")->text().isEmpty());
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
