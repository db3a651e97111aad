#include "InputCheck.h"
#include "SignDetermination.h"

#include <QtTest>

using namespace std::chrono;
using namespace zodiac;

Q_DECLARE_METATYPE(zodiac::SexChoice)
Q_DECLARE_METATYPE(zodiac::FocusTarget)

namespace {

const char* const MonthList[] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};

ReadingInput Input(const char* name, SexChoice sex, int day, int month, int year) {
    return ReadingInput{name, sex, std::to_string(day), MonthList[month - 1], std::to_string(year)};
}

} // namespace

class tst_SignDetermination : public QObject {
    Q_OBJECT

private slots:
    void inputCheck_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SexChoice>("sex");
        QTest::addColumn<int>("dayPos");
        QTest::addColumn<int>("monthPos");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message"); // empty: usable
        QTest::addColumn<FocusTarget>("focus");

        const auto M = SexChoice::Male;
        const auto F = SexChoice::Female;
        const auto N = SexChoice::None;
        const QString feb = "Please Enter Correct Date Or Month!";
        const QString thirty = "Please Enter Correct Date Or Month !";
        const auto none = FocusTarget::Nowhere;

        QTest::newRow("usable") << "Ann" << F << 0 << 0 << "1936"
                                << "" << none;
        QTest::newRow("empty name") << "" << M << 0 << 0 << "1936"
                                    << "Please Enter Your Name" << FocusTarget::NameBox;
        QTest::newRow("blank name passes") << "   " << M << 0 << 0 << "1936"
                                           << "" << none;
        QTest::newRow("no sex") << "Ann" << N << 0 << 0 << "1936"
                                << "Please Specify Your Sex" << FocusTarget::ProceedButton;
        QTest::newRow("name before sex") << "" << N << 30 << 1 << "1937"
                                         << "Please Enter Your Name" << FocusTarget::NameBox;
        QTest::newRow("sex before date") << "Ann" << N << 30 << 3 << "1980"
                                         << "Please Specify Your Sex" << FocusTarget::ProceedButton;
        QTest::newRow("29 Feb 1936") << "A" << M << 28 << 1 << "1936"
                                     << "" << none;
        QTest::newRow("29 Feb 2000") << "A" << M << 28 << 1 << "2000"
                                     << "" << none;
        QTest::newRow("29 Feb 2016") << "A" << M << 28 << 1 << "2016"
                                     << "" << none;
        QTest::newRow("28 Feb 1937") << "A" << M << 27 << 1 << "1937"
                                     << "" << none;
        QTest::newRow("29 Feb 1937") << "A" << M << 28 << 1 << "1937" << feb << none;
        QTest::newRow("30 Feb 1937") << "A" << M << 29 << 1 << "1937" << feb << none;
        QTest::newRow("31 Feb 1937") << "A" << M << 30 << 1 << "1937" << feb << none;
        QTest::newRow("30 Feb 2000") << "A" << M << 29 << 1 << "2000" << feb << none;
        QTest::newRow("31 Feb 2000") << "A" << M << 30 << 1 << "2000" << feb << none;
        QTest::newRow("31 Apr") << "A" << F << 30 << 3 << "1980" << thirty << none;
        QTest::newRow("31 Jun") << "A" << F << 30 << 5 << "1980" << thirty << none;
        QTest::newRow("31 Sep") << "A" << F << 30 << 8 << "1980" << thirty << none;
        QTest::newRow("31 Nov") << "A" << F << 30 << 10 << "1980" << thirty << none;
        QTest::newRow("30 Apr") << "A" << F << 29 << 3 << "1980"
                                << "" << none;
        QTest::newRow("31 Mar") << "A" << F << 30 << 2 << "1980"
                                << "" << none;
        QTest::newRow("31 Dec") << "A" << F << 30 << 11 << "2019"
                                << "" << none;
    }

    void inputCheck() {
        QFETCH(QString, name);
        QFETCH(SexChoice, sex);
        QFETCH(int, dayPos);
        QFETCH(int, monthPos);
        QFETCH(QString, year);
        QFETCH(QString, message);
        QFETCH(FocusTarget, focus);
        const auto result = ValidateInput(name.toStdString(), sex, dayPos, monthPos, year.toStdString());
        QCOMPARE(result.usable, message.isEmpty());
        QCOMPARE(QString::fromStdString(result.message), message);
        QCOMPARE(result.focus, focus);
    }

    void determination_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("element");
        QTest::newRow("1 Jan 1936") << 1936 << 1 << 1 << "Pig"
                                    << "Wood";
        QTest::newRow("10 Feb 1937") << 1937 << 2 << 10 << "Rat"
                                     << "Fire";
        QTest::newRow("11 Feb 1937") << 1937 << 2 << 11 << "Ox"
                                     << "Fire";
        QTest::newRow("23 Jan 2001") << 2001 << 1 << 23 << "Dragon"
                                     << "Metal";
        QTest::newRow("24 Jan 2001") << 2001 << 1 << 24 << "Snake"
                                     << "Metal";
        QTest::newRow("6 Feb 2008") << 2008 << 2 << 6 << "Pig"
                                    << "Fire";
        QTest::newRow("7 Feb 2008") << 2008 << 2 << 7 << "Rat"
                                    << "Earth";
        QTest::newRow("31 Dec 2008") << 2008 << 12 << 31 << "Rat"
                                     << "Earth";
        QTest::newRow("28 Jan 1960") << 1960 << 1 << 28 << "Rat"
                                     << "Metal";
        QTest::newRow("31 Dec 2019") << 2019 << 12 << 31 << "Pig"
                                     << "Earth";
    }

    void determination() {
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        QFETCH(QString, sign);
        QFETCH(QString, element);
        const auto table = BuildNewYearTable();
        ZodiacReading reading;
        QVERIFY(DetermineSign(reading, table, Input("Ann", SexChoice::Female, d, m, y)));
        QCOMPARE(QString::fromStdString(reading.Sign), sign);
        QCOMPARE(QString::fromStdString(reading.Element), element);
        QCOMPARE(reading.BirthDate, year_month_day(year{y}, month{unsigned(m)}, day{unsigned(d)}));
        QVERIFY(!reading.RulingPlanet.empty());
        QVERIFY(!reading.ElementDescription.empty());
    }

    void recordsTrimmedInput() {
        const auto table = BuildNewYearTable();
        ZodiacReading reading;
        DetermineSign(reading, table,
                      ReadingInput{"  Ann Lee  ", SexChoice::Female, " 7", "January ", "1980"});
        QCOMPARE(reading.Name, std::string("Ann Lee"));
        QCOMPARE(reading.Sex, std::string("Female"));
        QCOMPARE(reading.DayText, std::string("7"));
        QCOMPARE(reading.MonthName, std::string("January"));
        QCOMPARE(reading.YearText, std::string("1980"));

        DetermineSign(reading, table, ReadingInput{"   ", SexChoice::Male, "1", "May", "1980"});
        QCOMPARE(reading.Name, std::string());
        QCOMPARE(reading.Sex, std::string("Male"));
    }

    // A reading writes only its own fields: a date outside the table keeps the previous sign, element
    // and profile; a date that cannot be formed keeps the previous birth date too.
    void unmatchedReadingKeepsPreviousValues() {
        const auto table = BuildNewYearTable();
        ZodiacReading reading;

        QVERIFY(!DetermineSign(reading, table, ReadingInput{"A", SexChoice::Male, "9", "February", "1899"}));
        QCOMPARE(reading.BirthDate, year_month_day(year{1899}, month{2}, day{9}));
        QVERIFY(reading.Sign.empty());
        QVERIFY(reading.Element.empty());
        QVERIFY(reading.RulingPlanet.empty());
        QVERIFY(reading.ElementDescription.empty());

        QVERIFY(DetermineSign(reading, table, Input("B", SexChoice::Female, 7, 1, 1980)));
        const ZodiacReading goat = reading;
        QCOMPARE(goat.Sign, std::string("Goat"));

        // No such day: the previous birth date stays, and the search runs on it.
        DetermineSign(reading, table, ReadingInput{"C", SexChoice::Male, "31", "February", "1980"});
        QCOMPARE(reading.Name, std::string("C"));
        QCOMPARE(reading.Sex, std::string("Male"));
        QCOMPARE(reading.DayText, std::string("31"));
        QCOMPARE(reading.BirthDate, goat.BirthDate);
        QCOMPARE(reading.Sign, goat.Sign);
        QCOMPARE(reading.Element, goat.Element);
        QCOMPARE(reading.PositiveTraits, goat.PositiveTraits);
        QCOMPARE(reading.FamousPersons, goat.FamousPersons);
        QCOMPARE(reading.ElementDescription, goat.ElementDescription);

        QVERIFY(!DetermineSign(reading, table, ReadingInput{"D", SexChoice::Male, "29", "January", "2101"}));
        QCOMPARE(reading.BirthDate, year_month_day(year{2101}, month{1}, day{29}));
        QCOMPARE(reading.Sign, goat.Sign);
    }

    void sameSignOtherElementDiffersOnlyThere() {
        const auto table = BuildNewYearTable();
        ZodiacReading fireRat, woodRat;
        DetermineSign(fireRat, table, Input("A", SexChoice::Male, 24, 1, 1936));
        DetermineSign(woodRat, table, Input("A", SexChoice::Male, 1, 6, 1984));
        QCOMPARE(fireRat.Element, std::string("Fire"));
        QCOMPARE(woodRat.Element, std::string("Wood"));
        QVERIFY(fireRat.ElementDescription != woodRat.ElementDescription);
        QCOMPARE(fireRat.PositiveTraits, woodRat.PositiveTraits);
        QCOMPARE(fireRat.FamousPersons, woodRat.FamousPersons);
        QCOMPARE(fireRat.Energy, woodRat.Energy);
    }

    // A record keeps the sex as the reading wrote it; opened again, it must select the same option.
    void sexTextSelectsItsOption() {
        const auto table = BuildNewYearTable();
        for (const SexChoice sex : {SexChoice::Male, SexChoice::Female}) {
            ZodiacReading reading;
            DetermineSign(reading, table, Input("A", sex, 1, 1, 1980));
            QCOMPARE(SexChoiceOf(reading.Sex), sex);
            QCOMPARE(NameTitle(reading.Sex), std::string_view(sex == SexChoice::Male ? "Mr." : "Ms."));
        }
    }

    void otherSexTextsSelectNone_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("lower case") << "male";
        QTest::newRow("leading blank") << " Male";
        QTest::newRow("empty") << "";
        QTest::newRow("initial") << "M";
    }

    void otherSexTextsSelectNone() {
        QFETCH(QString, text);
        QCOMPARE(SexChoiceOf(text.toStdString()), SexChoice::None);
        QCOMPARE(NameTitle(text.toStdString()), std::string_view("Ms."));
    }
};

QTEST_APPLESS_MAIN(tst_SignDetermination)
#include "tst_signdetermination.moc"
