#include "SettingsStore.h"

#include <QtTest>

using namespace zodiac;

class TestSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void UseConfigFolder(const QString& path) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }

private slots:
    void init() { UseConfigFolder(dir.path() + "/" + QTest::currentTestFunction()); }

    void missingKeyReadsEmpty() {
        QCOMPARE(ReadSetting("Duration"), QString());
        QVERIFY(!QFile::exists(SettingsFilePath()));
    }

    void writeThenRead_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("us date") << "12/6/2026";
        QTest::newRow("german date") << "06.12.2026";
        QTest::newRow("ini specials") << "a=b;c#d [e] \\f \"g\"";
        QTest::newRow("latin-1") << QString::fromUtf8("Zo\u00EB \u00C5se \u20AC");
        QTest::newRow("empty") << "";
    }

    void writeThenRead() {
        QFETCH(QString, value);
        QVERIFY(WriteSetting("Duration", value));
        QCOMPARE(ReadSetting("Duration"), value);
    }

    void fileHoldsScrambledKeyAndValue() {
        QVERIFY(WriteSetting("Duration", "12/6/2026"));
        const QString path = SettingsFilePath();
        QCOMPARE(QFileInfo(path).completeBaseName(),
                 QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
        QCOMPARE(SettingsApplicationName(), QStringLiteral("tst_settingsstore"));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content.contains("[Settings]"), content.constData());
        QVERIFY2(content.contains("Gxudwlrq=452925359"), content.constData());
        QVERIFY(!content.contains("Duration"));
        QVERIFY(!content.contains("2026"));
    }

    void overwriteReplaces() {
        QVERIFY(WriteSetting("Duration", "1/1/2020"));
        QVERIFY(WriteSetting("Duration", "2/2/2022"));
        QCOMPARE(ReadSetting("Duration"), QStringLiteral("2/2/2022"));
    }

    // Tests run as root, to whom read-only folders are writable; a folder below a regular file can
    // never be created by anyone.
    void unwritableStoreReportsFailure() {
        const QString blocker = dir.path() + "/plain-file";
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        UseConfigFolder(blocker + "/config");
        QVERIFY(!WriteSetting("Duration", "12/6/2026"));
        QCOMPARE(ReadSetting("Duration"), QString());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
