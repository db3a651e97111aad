#include "MessageBox.h"
#include "SettingsStore.h"
#include "ShortDate.h"
#include "UpdateReminder.h"
#include "UrlCatcher.h"

#include <QtTest>

using namespace zodiac;

class tst_UpdateReminder : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    UrlCatcher catcher;
    const QLocale us{QLocale::English, QLocale::UnitedStates};
    const QDate today{2026, 12, 6};

private slots:
    void initTestCase() {
        // Only the answerer below may answer; a real box would hang a headless run.
        SetMessageAnswerer([](const ShownMessage&) { return MessageAnswer::No; });
    }

    void shortDateRoundTrip_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(2026, 12, 6)
                               << "12/6/2026";
        QTest::newRow("en_US single digits")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(1999, 1, 2) << "1/2/1999";
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << QDate(2026, 12, 6)
                               << "06.12.2026";
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << QDate(2026, 12, 6)
                               << "06/12/2026";
        QTest::newRow("ko_KR") << QLocale(QLocale::Korean, QLocale::SouthKorea) << QDate(2026, 12, 6) << "";
        QTest::newRow("bg_BG, quoted literal")
            << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << QDate(2026, 12, 6) << "";
        QTest::newRow("hu_HU") << QLocale(QLocale::Hungarian, QLocale::Hungary) << QDate(2026, 12, 6) << "";
        QTest::newRow("C") << QLocale::c() << QDate(2026, 12, 6) << "";
        QTest::newRow("C year 2100") << QLocale::c() << QDate(2100, 3, 1) << "";
    }

    void shortDateRoundTrip() {
        QFETCH(QLocale, locale);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        const QString written = ShortDateText(date, locale);
        if (!text.isEmpty()) {
            QCOMPARE(written, text);
        }
        QVERIFY2(written.contains(QString::number(date.year())), qPrintable(written));
        QCOMPARE(ParseShortDate(written, locale), date);
    }

    void notADate_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("words") << "hello";
        QTest::newRow("empty") << "";
        QTest::newRow("13th month") << "13/6/2026";
        QTest::newRow("31 November") << "11/31/2026";
        QTest::newRow("german form") << "06.12.2026";
    }

    void notADate() {
        QFETCH(QString, text);
        QVERIFY(!ParseShortDate(text, us).isValid());
    }

    void reminder_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<bool>("pageOpened");

        const int yes = int(MessageAnswer::Yes);
        const int no = int(MessageAnswer::No);
        QTest::newRow("empty store") << "" << true << yes << false << "12/6/2026" << false;
        QTest::newRow("14 days back") << "11/22/2026" << true << yes << false << "11/22/2026" << false;
        QTest::newRow("14 days ahead") << "12/20/2026" << true << yes << false << "12/20/2026" << false;
        QTest::newRow("same day") << "12/6/2026" << true << yes << false << "12/6/2026" << false;
        QTest::newRow("15 days back, No") << "11/21/2026" << true << no << true << "12/6/2026" << false;
        QTest::newRow("15 days back, Yes") << "11/21/2026" << true << yes << true << "12/6/2026" << true;
        QTest::newRow("15 days ahead, No") << "12/21/2026" << true << no << true << "12/6/2026" << false;
        QTest::newRow("15 days ahead, Yes") << "12/21/2026" << true << yes << true << "12/6/2026" << true;
        QTest::newRow("years back") << "1/1/2020" << true << no << true << "12/6/2026" << false;
        QTest::newRow("stored text no date") << "not a date" << true << yes << false << "not a date" << false;
        QTest::newRow("stored other locale form")
            << "21.11.2026" << true << yes << false << "21.11.2026" << false;
        QTest::newRow("plain form, due") << "2026-11-21" << true << no << true << "12/6/2026" << false;
        QTest::newRow("plain form, not due") << "2026-11-22" << true << yes << false << "2026-11-22" << false;
        QTest::newRow("unwritable, empty") << "" << false << yes << false << "" << false;
        QTest::newRow("unwritable, due, Yes")
            << "11/21/2026" << false << yes << true << "11/21/2026" << false;
        QTest::newRow("unwritable, due, No") << "11/21/2026" << false << no << true << "11/21/2026" << false;
    }

    void reminder() {
        QFETCH(QString, stored);
        QFETCH(bool, writable);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QString, storedAfter);
        QFETCH(bool, pageOpened);

        const QString folder = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir.filePath("no-system"));
        if (!stored.isEmpty()) {
            QVERIFY(WriteSetting("Duration", stored));
        }
        if (!writable) {
            // The value stays readable from the system-wide store, while the user's folder lies
            // below a regular file and can never be created (tests run as root, so no chmod).
            QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, folder);
            const QString blocker = folder + "-blocker";
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker + "/sub");
            QCOMPARE(ReadSetting("Duration"), stored);
            QVERIFY(!WriteSetting("Duration", "1/1/2000"));
        }

        QList<ShownMessage> shown;
        SetMessageAnswerer([&](const ShownMessage& m) {
            shown.append(m);
            return MessageAnswer(answer);
        });
        catcher.urls.clear();

        ShowUpdateReminder(today, us);

        QCOMPARE(shown.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(shown[0].text, QStringLiteral("There maybe an update to this software available\n"
                                                   "Do you want to check for an update?"));
            QCOMPARE(shown[0].caption, QStringLiteral("Nerro Chinese Zodiac Software"));
            QCOMPARE(shown[0].icon, MessageIcon::Information);
            QVERIFY(shown[0].yesNo);
        }
        QCOMPARE(ReadSetting("Duration"), storedAfter);
        if (pageOpened) {
            QCOMPARE(catcher.urls.size(), 1);
            QVERIFY(catcher.urls[0].toString().endsWith("ssd.php?page=download-web-page"));
        } else {
            QCOMPARE(catcher.urls.size(), 0);
        }
        SetMessageAnswerer([](const ShownMessage&) { return MessageAnswer::No; });
    }

    // Settings files that another program or a hand edit left: the reminder neither stops working
    // nor overwrites a value it cannot read.
    void storesNotWrittenByUs_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("pageOpened");
        QTest::addColumn<bool>("unchanged");
        // "11/21/2026" scrambled is 4425425359, 15 days before today.
        QTest::newRow("damaged line, due, Yes")
            << QByteArray("[Settings]\nGxudwlrq=4425425359\nthis line is damaged\n") << true << true << false;
        QTest::newRow("a list") << QByteArray("[Settings]\nGxudwlrq=4529,25359\n") << false << false << true;
        QTest::newRow("invalid value")
            << QByteArray("[Settings]\nGxudwlrq=@Invalid()\n") << false << false << true;
        QTest::newRow("empty value, first start")
            << QByteArray("[Settings]\nGxudwlrq=\n") << false << false << false;
    }

    void storesNotWrittenByUs() {
        QFETCH(QByteArray, content);
        QFETCH(bool, asked);
        QFETCH(bool, pageOpened);
        QFETCH(bool, unchanged);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           dir.filePath(QStringLiteral("foreign-") + QTest::currentDataTag()));
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir.filePath("no-system"));
        const QString path = SettingsFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        int questions = 0;
        SetMessageAnswerer([&](const ShownMessage&) {
            ++questions;
            return MessageAnswer::Yes;
        });
        catcher.urls.clear();
        ShowUpdateReminder(today, us);
        QCOMPARE(questions, asked ? 1 : 0);
        QCOMPARE(catcher.urls.size(), pageOpened ? 1 : 0);
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        if (unchanged)
            QCOMPARE(after.readAll(), content);
        else
            QCOMPARE(ReadSetting("Duration"), QStringLiteral("12/6/2026"));
        SetMessageAnswerer([](const ShownMessage&) { return MessageAnswer::No; });
    }

    // Whatever the user's locale writes dates in (other digits, right-to-left marks, letters the
    // store cannot hold), the first start stores a date that the next starts read back.
    void worksInEveryLocale() {
        const QList<QLocale> locales =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 300);
        int questions = 0;
        SetMessageAnswerer([&](const ShownMessage&) {
            ++questions;
            return MessageAnswer::No;
        });
        int ownForm = 0;
        const QDate first(2026, 2, 27);
        for (qsizetype i = 0; i < locales.size(); ++i) {
            const QLocale& locale = locales[i];
            const QString name = locale.name() + QStringLiteral("-") + QString::number(int(locale.script()));
            // Each locale a first start of its own. The list may name one locale twice (Qt 6.8 adds
            // the system locale at the end, C here), so the folder goes by the position.
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                               dir.filePath("locale/" + QString::number(i)));
            questions = 0;
            ShowUpdateReminder(first, locale);
            const QString stored = ReadSetting("Duration");
            QVERIFY2(!stored.isEmpty(), qPrintable(name));
            QCOMPARE(ParseStoredDate(stored, locale), first);
            if (stored == ShortDateText(first, locale))
                ++ownForm;
            ShowUpdateReminder(first.addDays(14), locale);
            QVERIFY2(questions == 0, qPrintable(name + ": asked within 14 days"));
            ShowUpdateReminder(first.addDays(15), locale);
            QVERIFY2(questions == 1, qPrintable(name + ": not asked after 15 days, stored " + stored));
            QCOMPARE(ParseStoredDate(ReadSetting("Duration"), locale), first.addDays(15));
        }
        // Most locales keep their own short date, as settings written before did.
        qInfo("%d of %lld locales store their own short date", ownForm,
              static_cast<long long>(locales.size()));
        QVERIFY(ownForm > locales.size() / 2);
        SetMessageAnswerer([](const ShownMessage&) { return MessageAnswer::No; });
    }

    // After a No, the next start within the distance is quiet again.
    void noPostponesFortnight() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("postpone"));
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir.filePath("no-system"));
        int questions = 0;
        SetMessageAnswerer([&](const ShownMessage&) {
            ++questions;
            return MessageAnswer::No;
        });
        ShowUpdateReminder(today, us);
        ShowUpdateReminder(today.addDays(14), us);
        QCOMPARE(questions, 0);
        ShowUpdateReminder(today.addDays(15), us);
        QCOMPARE(questions, 1);
        ShowUpdateReminder(today.addDays(29), us);
        QCOMPARE(questions, 1);
        ShowUpdateReminder(today.addDays(30), us);
        QCOMPARE(questions, 2);
        QCOMPARE(ReadSetting("Duration"), ShortDateText(today.addDays(30), us));
        SetMessageAnswerer([](const ShownMessage&) { return MessageAnswer::No; });
    }
};

QTEST_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
