#include "SettingsStore.h"

#include <QtTest>

using namespace zodiac;

class tst_SettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void UseConfigFolder(const QString& path) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }

    static bool WriteFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private slots:
    void init() {
        UseConfigFolder(dir.path() + "/" + QTest::currentTestFunction() + "/" + QTest::currentDataTag());
    }

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

    // Files written by hand or by other programs: what each reads as, and that a write afterwards
    // succeeds, is reported as such, and reads back.
    void filesNotWrittenByUs_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        const int text = StoredSetting::Text;
        const int notText = StoredSetting::NotText;
        const int absent = StoredSetting::Absent;
        QTest::newRow("ours") << QByteArray("[Settings]\nGxudwlrq=452925359\n") << text << "12/6/2026";
        QTest::newRow("damaged line after")
            << QByteArray("[Settings]\nGxudwlrq=452925359\nno equals sign here\n") << text << "12/6/2026";
        QTest::newRow("damaged line before")
            << QByteArray("[Settings]\n=\n%%%\nGxudwlrq=452925359\n") << text << "12/6/2026";
        QTest::newRow("a list") << QByteArray("[Settings]\nGxudwlrq=4529,25359\n") << notText << "";
        QTest::newRow("invalid value") << QByteArray("[Settings]\nGxudwlrq=@Invalid()\n") << notText << "";
        QTest::newRow("byte array") << QByteArray("[Settings]\nGxudwlrq=@ByteArray(4529)\n") << notText << "";
        QTest::newRow("empty value") << QByteArray("[Settings]\nGxudwlrq=\n") << text << "";
        QTest::newRow("other group") << QByteArray("[General]\nGxudwlrq=452925359\n") << absent << "";
        QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe[\n\x01=\x02\n", 10) << absent << "";
    }

    void filesNotWrittenByUs() {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QVERIFY(WriteFile(SettingsFilePath(), content));
        const StoredSetting read = ReadStoredSetting("Duration");
        QCOMPARE(int(read.kind), kind);
        QCOMPARE(read.text, text);

        QVERIFY(WriteSetting("Duration", "1/2/2027"));
        QCOMPARE(ReadSetting("Duration"), QStringLiteral("1/2/2027"));
        QCOMPARE(int(ReadStoredSetting("Duration").kind), int(StoredSetting::Text));
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

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
