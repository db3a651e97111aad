#include "RecordFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using zodiac::RecordValues;

Q_DECLARE_METATYPE(RecordValues)

namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Line(const QByteArray& plain) {
    QByteArray line;
    for (char c : plain)
        line.append(static_cast<char>(static_cast<unsigned char>(c) + 3));
    return line + "\r\n";
}

bool SameValues(const RecordValues& a, const RecordValues& b) {
    return a.name == b.name && a.sex == b.sex && a.day == b.day && a.month == b.month && a.year == b.year;
}

} // namespace

class tst_RecordFile : public QObject {
    Q_OBJECT

private slots:
    void buildsExactLines_data();
    void buildsExactLines();
    void parsesRecords_data();
    void parsesRecords();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void refusesHugeFileQuickly();
    void failedSaveKeepsOldFile();
    void valueProblems_data();
    void valueProblems();
    void randomValuesRoundTrip();
    void storableValuesReadBackFromDisk();
    void saveProblems_data();
    void saveProblems();
    void listPositions_data();
    void listPositions();
};

void tst_RecordFile::buildsExactLines_data() {
    QTest::addColumn<RecordValues>("values");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("Ann Female 7 January 1980")
        << RecordValues{"Ann", "Female", "7", "January", "1980"}
        << Line("Ann") + Line("Female") + Line("7") + Line("January") + Line("1980");
    QTest::newRow("empty name") << RecordValues{"", "Male", "31", "December", "2019"}
                                << "\r\n" + Line("Male") + Line("31") + Line("December") + Line("2019");
    QTest::newRow("all empty") << RecordValues{} << QByteArray("\r\n\r\n\r\n\r\n\r\n");
    QTest::newRow("accented name") << RecordValues{QString::fromUtf8("Zoë"), "Female", "1", "May", "1936"}
                                   << QByteArray("]r\xee\r\n") + Line("Female") + Line("1") + Line("May") +
                                          Line("1936");
}

void tst_RecordFile::buildsExactLines() {
    QFETCH(RecordValues, values);
    QFETCH(QByteArray, expected);
    const QByteArray bytes = zodiac::BuildRecordBytes(values);
    QCOMPARE(bytes, expected);

    // The same bytes land in the file, and read back as written.
    QTemporaryDir dir;
    const QString path = dir.filePath("reading.str");
    const auto written = zodiac::WriteRecordFile(path, values);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(FileBytes(path), expected);
    const auto read = zodiac::ReadRecordFile(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QVERIFY(SameValues(read.values, values));
}

void tst_RecordFile::parsesRecords_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<RecordValues>("values");
    const QByteArray good = Line("Ann") + Line("Female") + Line("7") + Line("January") + Line("1980");
    const RecordValues ann{"Ann", "Female", "7", "January", "1980"};
    QTest::newRow("CR LF") << good << true << ann;
    QTest::newRow("LF only") << QByteArray(good).replace("\r\n", "\n") << true << ann;
    QTest::newRow("extra lines ignored") << good + Line("more") + "tail" << true << ann;
    QTest::newRow("three lines") << Line("Ann") + Line("Female") + Line("7") << false << RecordValues{};
    QTest::newRow("fifth line ends the file") << good.chopped(2) << true << ann;
    QTest::newRow("fifth line ends the file after CR") << good.chopped(1) << true << ann;
    QTest::newRow("LF only, fifth line ends the file")
        << QByteArray(good).replace("\r\n", "\n").chopped(1) << true << ann;
    QTest::newRow("four lines and a line break")
        << Line("Ann") + Line("Female") + Line("7") + Line("January") << false << RecordValues{};
    QTest::newRow("longest fifth line ends the file")
        << good.first(good.size() - 6) + QByteArray(32767, '4') << true
        << RecordValues{"Ann", "Female", "7", "January", QString(32767, '1')};
    QTest::newRow("empty") << QByteArray() << false << RecordValues{};
    QTest::newRow("longest line") << QByteArray(32767, 'D') + "\r\n" + good.mid(5) << true
                                  << RecordValues{QString(32767, 'A'), "Female", "7", "January", "1980"};
    QTest::newRow("line too long") << QByteArray(32768, 'D') + "\r\n" + good.mid(5) << false
                                   << RecordValues{};
    QTest::newRow("bytes below the offset dropped") << QByteArray("\x01\x02"
                                                                  "Dqq\r\n",
                                                                  7) +
                                                           good.mid(5)
                                                    << true << ann;
}

void tst_RecordFile::parsesRecords() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(RecordValues, values);
    const auto parsed = zodiac::ParseRecordBytes(bytes);
    QCOMPARE(parsed.ok, ok);
    QCOMPARE(parsed.error.isEmpty(), ok);
    QVERIFY(SameValues(parsed.values, values));
}

void tst_RecordFile::refusesBadFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");
    QTest::newRow("three lines") << Line("Ann") + Line("Female") + Line("7") << "file";
    QTest::newRow("line too long") << QByteArray(40000, 'D') + "\r\n" + Line("Female") + Line("7") +
                                          Line("January") + Line("1980")
                                   << "file";
    QTest::newRow("one byte over the longest line")
        << QByteArray(32768, 'D') + "\r\n" + Line("Female") + Line("7") + Line("January") + Line("1980")
        << "file";
    QTest::newRow("four lines") << Line("Ann") + Line("Female") + Line("7") + Line("January") << "file";
    QTest::newRow("directory") << QByteArray() << "directory";
    QTest::newRow("missing") << QByteArray() << "missing";
}

void tst_RecordFile::refusesBadFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath("bad.str");
    if (kind == "file")
        QVERIFY(WriteBytes(path, bytes));
    else if (kind == "directory")
        QVERIFY(QDir(dir.path()).mkdir("bad.str"));
    const auto read = zodiac::ReadRecordFile(path);
    QVERIFY(!read.ok);
    QVERIFY(!read.error.isEmpty());
    QVERIFY(SameValues(read.values, RecordValues{}));
}

void tst_RecordFile::refusesHugeFileQuickly() {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.str");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, 'x');
        for (int i = 0; i < 64; ++i)
            QVERIFY(file.write(block) == block.size());
    }
    QElapsedTimer timer;
    timer.start();
    const auto read = zodiac::ReadRecordFile(path);
    QVERIFY(!read.ok);
    QVERIFY(read.error.contains("longer"));
    QVERIFY(timer.elapsed() < 1000);
}

void tst_RecordFile::failedSaveKeepsOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("old.str");
    const RecordValues fresh{"New", "Female", "7", "January", "1980"};
    const QByteArray old = zodiac::BuildRecordBytes({"Old", "Male", "2", "March", "1950"});
    QVERIFY(WriteBytes(path, old));

    // A folder that is really a regular file.
    const auto intoFile = zodiac::WriteRecordFile(path + "/inner.str", fresh);
    QVERIFY(!intoFile.ok);
    QVERIFY(!intoFile.error.isEmpty());
    QCOMPARE(FileBytes(path), old);

    // The save goes through a temporary file beside the target; a read-only folder refuses it.
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto written = zodiac::WriteRecordFile(path, fresh);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (written.ok)
        QSKIP("Folder permissions do not bind this user (root)");
    QVERIFY(!written.error.isEmpty());
    QCOMPARE(FileBytes(path), old);
}

void tst_RecordFile::valueProblems_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("storable");
    QTest::newRow("plain") << "Ann Lee" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("Latin-1") << QString::fromUtf8("José Müller") << true;
    QTest::newRow("euro sign") << QString::fromUtf8("€") << true;
    QTest::newRow("highest storable") << QString(QChar(0xFC)) << true;
    QTest::newRow("y diaeresis lost") << QString(QChar(0xFF)) << false;
    QTest::newRow("thorn lost") << QString(QChar(0xFE)) << false;
    QTest::newRow("Cyrillic") << QString::fromUtf8("Анна") << false;
    QTest::newRow("emoji") << QString::fromUtf8("Ann 😀") << false;
    QTest::newRow("line feed scrambles to CR") << QString("a\nb") << false;
    QTest::newRow("bell scrambles to LF") << QString("a\ab") << false;
    QTest::newRow("tab") << QString("a\tb") << true;
    QTest::newRow("too long") << QString(32768, 'a') << false;
}

void tst_RecordFile::valueProblems() {
    QFETCH(QString, value);
    QFETCH(bool, storable);
    const QString problem = zodiac::RecordValueProblem(value);
    QCOMPARE(problem.isEmpty(), storable);
    if (storable) {
        const auto parsed = zodiac::ParseRecordBytes(zodiac::BuildRecordBytes({value, "", "", "", ""}));
        QVERIFY(parsed.ok);
        QCOMPARE(parsed.values.name, value);
    }
}

void tst_RecordFile::randomValuesRoundTrip() {
    QRandomGenerator random(20260101);
    const QList<char16_t> pool = {u'a', u'Z', u' ', u'\t', u'\'',   u'-', u'é',
                                  u'ß', u'€', u'œ', u'Ÿ',  u'\x81', u'0'};
    for (int round = 0; round < 500; ++round) {
        QString name;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            name.append(QChar(pool[random.bounded(pool.size())]));
        const RecordValues values{name, random.bounded(2) ? "Male" : "Female",
                                  QString::number(random.bounded(1, 32)), "October",
                                  QString::number(random.bounded(1936, 2020))};
        QVERIFY2(zodiac::RecordValueProblem(name).isEmpty(), qPrintable(name));
        const auto parsed = zodiac::ParseRecordBytes(zodiac::BuildRecordBytes(values));
        QVERIFY(parsed.ok);
        QVERIFY2(SameValues(parsed.values, values), qPrintable(name));
        QVERIFY(zodiac::RecordListPositions(parsed.values).has_value());
    }
}

// Whatever the save accepts, the open must read back equal: every storable character, every length
// up to the longest, through the real file functions.
void tst_RecordFile::storableValuesReadBackFromDisk() {
    QTemporaryDir dir;
    QRandomGenerator random(20261208);
    // Every character a record can hold; now and then one it cannot, whose value must then be refused.
    QList<QChar> storableChars, unstorableChars;
    for (char16_t c = 0; c < 0x2200; ++c) {
        if (c >= 0x100 && c < 0x152)
            continue;
        (zodiac::RecordValueProblem(QString(QChar(c))).isEmpty() ? storableChars : unstorableChars)
            .append(QChar(c));
    }
    QCOMPARE(storableChars.size(), 251); // 256 codes, less the 3 lost and the 2 that become CR or LF
    const QList<int> lengths = {0, 1, 2, 32766, 32767};
    int storable = 0;
    for (int round = 0; round < 150; ++round) {
        QString fields[5];
        for (int f = 0; f < 5; ++f) {
            // Half the fields take a boundary length, the rest any short length.
            const int length =
                random.bounded(2) ? lengths[random.bounded(lengths.size())] : random.bounded(300);
            fields[f].reserve(length);
            for (int i = 0; i < length; ++i)
                fields[f].append(storableChars[random.bounded(storableChars.size())]);
            if (length > 0 && random.bounded(20) == 0)
                fields[f][random.bounded(length)] = unstorableChars[random.bounded(unstorableChars.size())];
        }
        const RecordValues values{fields[0], fields[1], fields[2], fields[3], fields[4]};
        bool accepted = true;
        for (const QString& field : fields)
            accepted = accepted && zodiac::RecordValueProblem(field).isEmpty();
        if (!accepted)
            continue;
        ++storable;
        const QString path = dir.filePath(QStringLiteral("round-%1.str").arg(round));
        const auto written = zodiac::WriteRecordFile(path, values);
        QVERIFY2(written.ok, qPrintable(written.error));
        const auto read = zodiac::ReadRecordFile(path);
        QVERIFY2(read.ok, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(read.error)));
        QVERIFY2(SameValues(read.values, values), qPrintable(QStringLiteral("round %1").arg(round)));
    }
    // The table must really have exercised the writer.
    QVERIFY2(storable > 30, qPrintable(QString::number(storable)));

    // The longest value in every field at once.
    const QString longest(32767, QLatin1Char('W'));
    const RecordValues allLongest{longest, longest, longest, longest, longest};
    const QString path = dir.filePath(QStringLiteral("longest.str"));
    QVERIFY(zodiac::WriteRecordFile(path, allLongest).ok);
    const auto read = zodiac::ReadRecordFile(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QVERIFY(SameValues(read.values, allLongest));
}

// The save names the first value that a record cannot hold, and why.
void tst_RecordFile::saveProblems_data() {
    QTest::addColumn<RecordValues>("values");
    QTest::addColumn<QString>("message");
    const QString cyrillic =
        QStringLiteral("The character \"\u0416\" (U+0416) cannot be stored in a record file.");
    QTest::newRow("all storable") << RecordValues{"Ann", "Female", "7", "January", "1980"} << "";
    QTest::newRow("name") << RecordValues{"\u0416", "Female", "7", "January", "1980"}
                          << "The name cannot be saved exactly, so nothing was saved. " + cyrillic;
    QTest::newRow("year, after a good name")
        << RecordValues{"Ann", "Female", "7", "January", "\u0416"}
        << "The year cannot be saved exactly, so nothing was saved. " + cyrillic;
    QTest::newRow("first of two")
        << RecordValues{"Ann", "a\nb", "7", "\u0416", "1980"}
        << "The sex cannot be saved exactly, so nothing was saved. The text holds a "
           "control character (U+000A) that cannot be stored in a record file.";
    QTest::newRow("too long") << RecordValues{QString(32768, 'a'), "Male", "1", "May", "1950"}
                              << "The name cannot be saved exactly, so nothing was saved. The text is longer "
                                 "than 32767 characters.";
}

void tst_RecordFile::saveProblems() {
    QFETCH(RecordValues, values);
    QFETCH(QString, message);
    QCOMPARE(zodiac::RecordSaveProblem(values), message);
}

void tst_RecordFile::listPositions_data() {
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("dayAt"); // -1: the record fits no list position
    QTest::addColumn<int>("monthAt");
    QTest::addColumn<int>("yearAt");
    QTest::newRow("first") << "1"
                           << "January"
                           << "1900" << 0 << 0 << 0;
    QTest::newRow("last") << "31"
                          << "December"
                          << "2100" << 30 << 11 << 200;
    QTest::newRow("7 January 1980") << "7"
                                    << "January"
                                    << "1980" << 6 << 0 << 80;
    QTest::newRow("year 1899") << "7"
                               << "January"
                               << "1899" << -1 << 0 << 0;
    QTest::newRow("year 2101") << "7"
                               << "January"
                               << "2101" << -1 << 0 << 0;
    QTest::newRow("day 0") << "0"
                           << "January"
                           << "1980" << -1 << 0 << 0;
    QTest::newRow("day 32") << "32"
                            << "January"
                            << "1980" << -1 << 0 << 0;
    QTest::newRow("day 07") << "07"
                            << "January"
                            << "1980" << -1 << 0 << 0;
    QTest::newRow("day with blank") << " 7"
                                    << "January"
                                    << "1980" << -1 << 0 << 0;
    QTest::newRow("lower-case month") << "7"
                                      << "january"
                                      << "1980" << -1 << 0 << 0;
    QTest::newRow("empty month") << "7"
                                 << ""
                                 << "1980" << -1 << 0 << 0;
    QTest::newRow("empty year") << "7"
                                << "May"
                                << "" << -1 << 0 << 0;
    QTest::newRow("year with sign") << "7"
                                    << "May"
                                    << "+1980" << -1 << 0 << 0;
}

void tst_RecordFile::listPositions() {
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(int, dayAt);
    QFETCH(int, monthAt);
    QFETCH(int, yearAt);
    const auto positions = zodiac::RecordListPositions({"Ann", "Female", day, month, year});
    QCOMPARE(positions.has_value(), dayAt >= 0);
    if (positions)
        QCOMPARE(*positions, (zodiac::ListPositions{dayAt, monthAt, yearAt}));
}

QTEST_GUILESS_MAIN(tst_RecordFile)
#include "tst_recordfile.moc"
