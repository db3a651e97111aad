#include "NewYearTable.h"
#include "ReportComposer.h"
#include "ShortDate.h"
#include "SignDetermination.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace zodiac;

namespace {

const QStringList Labels = {"Name: ",
                            "Date of Birth: ",
                            "Sign: ",
                            "Element: ",
                            "Ruling Planet: ",
                            "Positive Traits: ",
                            "Negative Traits: ",
                            "Most Compatible Sign: ",
                            "Least Compatible Sign: ",
                            "Lucky Color: ",
                            "GemStone: ",
                            "Energy: ",
                            "Favourable Season: ",
                            "Favourable Month: ",
                            "Famous Persons of this Star Sign are: "};

ZodiacReading ReadingFor(const std::string& name, const std::string& day, const std::string& month,
                         const std::string& year) {
    ZodiacReading reading;
    DetermineSign(reading, BuildNewYearTable(), {name, SexChoice::Female, day, month, year});
    return reading;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

struct Run {
    QString text;
    bool bold;
    QColor color;
};

// The document's text as runs of one format each, with neighbouring runs of equal format joined.
QList<Run> Runs(const QTextDocument& doc) {
    QList<Run> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const Run run{it.fragment().text(), f.fontWeight() == QFont::Bold, f.foreground().color()};
            if (!runs.isEmpty() && runs.back().bold == run.bold && runs.back().color == run.color)
                runs.back().text += run.text;
            else
                runs.append(run);
        }
        if (block.next().isValid() && !runs.isEmpty())
            runs.back().text += '\n';
    }
    return runs;
}

} // namespace

class tst_ReportCompose : public QObject {
    Q_OBJECT

private slots:
    void plainText_data();
    void plainText();
    void formats();
    void emptyReading();
    void dateText_data();
    void dateText();
};

// The report as a reader sees it: fifteen entries, each its label and value, two blank lines between
// them; the date as the locale writes it, and the sign's values as the almanac gives them.
void tst_ReportCompose::plainText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("planet");
    // clang-format off
    QTest::newRow("Wood Rat") << "Ann" << "7" << "January" << "1985" << "07/01/1985" << "Rat" << "Wood" << "Jupiter";
    QTest::newRow("Fire Rat 1936") << "Bo" << "24" << "January" << "1936" << "24/01/1936" << "Rat" << "Fire" << "Jupiter";
    QTest::newRow("Earth Pig 2019") << "Ann Lee" << "31" << "December" << "2019" << "31/12/2019" << "Pig" << "Earth" << "Mars";
    QTest::newRow("Earth Pig 1900") << "Bo" << "1" << "January" << "1900" << "01/01/1900" << "Pig" << "Earth" << "Mars";
    QTest::newRow("Metal Monkey 2100") << "Bo" << "31" << "December" << "2100" << "31/12/2100" << "Monkey" << "Metal" << "Sun";
    // clang-format on
}

void tst_ReportCompose::plainText() {
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, date);
    QFETCH(QString, sign);
    QFETCH(QString, element);
    QFETCH(QString, planet);
    const ZodiacReading r =
        ReadingFor(name.toStdString(), day.toStdString(), month.toStdString(), year.toStdString());
    QTextDocument doc;
    ComposeReport(doc, r, QLocale(QLocale::English, QLocale::UnitedKingdom));

    const QStringList entries = doc.toPlainText().split("\n\n\n");
    QCOMPARE(entries.size(), Labels.size() + 1);
    QCOMPARE(entries.last(), QString()); // the last entry ends with its three line breaks, no more
    for (int i = 0; i < Labels.size(); ++i) {
        QVERIFY2(entries[i].startsWith(Labels[i]), qPrintable(entries[i]));
        QVERIFY2(entries[i].size() > Labels[i].size(), qPrintable(entries[i])); // a value follows
    }
    QCOMPARE(entries[0], "Name: " + name);
    QCOMPARE(entries[1], "Date of Birth: " + date);
    QCOMPARE(entries[2], "Sign: " + sign);
    QVERIFY(entries[3].startsWith("Element: " + element + ": You "));
    QCOMPARE(entries[4], "Ruling Planet: " + planet);
    // The long values are there whole.
    QVERIFY(entries[14].endsWith(Q(r.FamousPersons)));
    QVERIFY(entries[5].endsWith(Q(r.PositiveTraits)));
}

void tst_ReportCompose::formats() {
    const ZodiacReading r = ReadingFor("Ann", "7", "July", "1986"); // a Fire Tiger
    QCOMPARE(r.Element, std::string("Fire"));
    QTextDocument doc;
    ComposeReport(doc, r, QLocale::c());
    const QList<Run> runs = Runs(doc);
    QCOMPARE(runs.size(), 30);
    for (int i = 0; i < runs.size(); ++i) {
        const bool label = i % 2 == 0;
        QCOMPARE(runs[i].bold, label);
        QCOMPARE(runs[i].color, label ? QColor(128, 0, 0) : QColor(Qt::black));
    }
    QCOMPARE(runs[6].text, QString("Element: Fire: "));
    QCOMPARE(runs[7].text, Q(r.ElementDescription) + "\n\n\n");
    QCOMPARE(runs[0].text, QString("Name: "));
    QCOMPARE(runs[1].text, QString("Ann\n\n\n"));
}

void tst_ReportCompose::emptyReading() {
    QTextDocument doc;
    doc.setPlainText("left over from before");
    ComposeReport(doc, ZodiacReading{}, QLocale::system());
    QString expected;
    for (const QString& label : Labels)
        expected += label + (label == "Element: " ? ": " : "") + "\n\n\n";
    QCOMPARE(doc.toPlainText(), expected);
}

void tst_ReportCompose::dateText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "1/7/1980";
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "07/01/1980";
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "07.01.1980";
    QTest::newRow("Japan") << QLocale(QLocale::Japanese, QLocale::Japan) << "1980/01/07";
}

void tst_ReportCompose::dateText() {
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(ShortDateText(QDate(1980, 1, 7), locale), expected);
    QCOMPARE(ShortDateText(QDate(), locale), QString());
    // The year keeps four digits even where the locale writes two.
    QVERIFY(ShortDateText(QDate(1900, 12, 31), locale).contains("1900"));
}

QTEST_MAIN(tst_ReportCompose)
#include "tst_reportcompose.moc"
