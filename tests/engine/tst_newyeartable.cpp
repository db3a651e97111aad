#include "DateText.h"
#include "NewYearTable.h"

#include <QtTest>
#include <memory>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

using namespace std::chrono;
using zodiac::BuildNewYearTable;
using zodiac::FindNewYearRow;
using zodiac::ParseDayMonthYear;

Q_DECLARE_METATYPE(std::string)

namespace {

year_month_day Ymd(int y, unsigned m, unsigned d) {
    return year_month_day{year{y}, month{m}, day{d}};
}

int DaysInclusive(const zodiac::NewYearRow& row) {
    return static_cast<int>((sys_days{row.EndDate} - sys_days{row.StartDate}).count()) + 1;
}

} // namespace

class tst_NewYearTable : public QObject {
    Q_OBJECT

private slots:
    void everyDayInExactlyOneRow() {
        const auto table = BuildNewYearTable();
        for (sys_days d = sys_days{Ymd(1936, 1, 1)}; d <= sys_days{Ymd(2020, 1, 24)}; d += days{1}) {
            int hits = 0;
            for (const auto& row : table) {
                if (d >= sys_days{row.StartDate} && d <= sys_days{row.EndDate})
                    ++hits;
            }
            QVERIFY2(hits == 1, qPrintable(QString::number(d.time_since_epoch().count())));
            QVERIFY(FindNewYearRow(table, year_month_day{d}).has_value());
        }
    }

    void rowsContiguousAndOfPlausibleLength() {
        const auto table = BuildNewYearTable();
        QCOMPARE(table.front().StartDate, Ymd(1936, 1, 1));
        QCOMPARE(DaysInclusive(table.front()), 407);
        for (std::size_t k = 1; k < table.size(); ++k) {
            QVERIFY(table[k].StartDate.ok() && table[k].EndDate.ok());
            QCOMPARE(sys_days{table[k].StartDate}, sys_days{table[k - 1].EndDate} + days{1});
            QVERIFY2(DaysInclusive(table[k]) >= 353 && DaysInclusive(table[k]) <= 385,
                     qPrintable(QString::number(k)));
        }
        QCOMPARE(table.back().EndDate, Ymd(2020, 1, 24));
    }

    void buildingAgainGivesTheSameTable() {
        const auto a = BuildNewYearTable();
        const auto b = BuildNewYearTable();
        for (std::size_t k = 0; k < a.size(); ++k) {
            QCOMPARE(a[k].StartDate, b[k].StartDate);
            QCOMPARE(a[k].EndDate, b[k].EndDate);
            QCOMPARE(a[k].Sign, b[k].Sign);
            QCOMPARE(a[k].Element, b[k].Element);
        }
    }

    void lookup_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("row"); // -1: no row
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("element");
        QTest::newRow("before the table") << 1935 << 12 << 31 << -1 << ""
                                          << "";
        QTest::newRow("first day") << 1936 << 1 << 1 << 0 << "Rat"
                                   << "Fire";
        QTest::newRow("end of row 0") << 1937 << 2 << 10 << 0 << "Rat"
                                      << "Fire";
        QTest::newRow("start of row 1") << 1937 << 2 << 11 << 1 << "Ox"
                                        << "Fire";
        QTest::newRow("1960 new year") << 1960 << 1 << 28 << 24 << "Rat"
                                       << "Metal";
        QTest::newRow("end of 1984 Rat") << 1985 << 2 << 19 << 48 << "Rat"
                                         << "Wood";
        QTest::newRow("start of 1985 Ox") << 1985 << 2 << 20 << 49 << "Ox"
                                          << "Wood";
        QTest::newRow("end of 2000 Dragon") << 2001 << 1 << 23 << 64 << "Dragon"
                                            << "Metal";
        QTest::newRow("start of 2001 Snake") << 2001 << 1 << 24 << 65 << "Snake"
                                             << "Metal";
        QTest::newRow("end of 2007 Pig") << 2008 << 2 << 6 << 71 << "Pig"
                                         << "Fire";
        QTest::newRow("start of 2008 Rat") << 2008 << 2 << 7 << 72 << "Rat"
                                           << "Earth";
        QTest::newRow("end of 2008") << 2008 << 12 << 31 << 72 << "Rat"
                                     << "Earth";
        QTest::newRow("end of 2019") << 2019 << 12 << 31 << 83 << "Pig"
                                     << "Earth";
        QTest::newRow("last day") << 2020 << 1 << 24 << 83 << "Pig"
                                  << "Earth";
        QTest::newRow("after the table") << 2020 << 1 << 25 << -1 << ""
                                         << "";
    }

    void lookup() {
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        QFETCH(int, row);
        QFETCH(QString, sign);
        QFETCH(QString, element);
        const auto table = BuildNewYearTable();
        const auto found = FindNewYearRow(table, Ymd(y, static_cast<unsigned>(m), static_cast<unsigned>(d)));
        if (row < 0) {
            QVERIFY(!found.has_value());
            return;
        }
        QVERIFY(found.has_value());
        QCOMPARE(*found, row);
        QCOMPARE(QString::fromUtf8(table[*found].Sign.data(), qsizetype(table[*found].Sign.size())), sign);
        QCOMPARE(QString::fromUtf8(table[*found].Element.data(), qsizetype(table[*found].Element.size())),
                 element);
    }

    void dateText_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<int>("y"); // 0: no date
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::newRow("table form") << std::string("11 February 1937") << 1937 << 2 << 11;
        QTest::newRow("leading zero") << std::string("08 February 1940") << 1940 << 2 << 8;
        QTest::newRow("birth form") << std::string("7 January 1980") << 1980 << 1 << 7;
        QTest::newRow("leap day 2000") << std::string("29 February 2000") << 2000 << 2 << 29;
        QTest::newRow("no 29 Feb 1900") << std::string("29 February 1900") << 0 << 0 << 0;
        QTest::newRow("31 April") << std::string("31 April 1980") << 0 << 0 << 0;
        QTest::newRow("day 0") << std::string("0 May 1980") << 0 << 0 << 0;
        QTest::newRow("lower-case month") << std::string("7 january 1980") << 0 << 0 << 0;
        QTest::newRow("abbreviated month") << std::string("7 Jan 1980") << 0 << 0 << 0;
        QTest::newRow("local month name") << std::string("7 Januar 1980") << 0 << 0 << 0;
        QTest::newRow("two-digit year") << std::string("7 January 80") << 0 << 0 << 0;
        QTest::newRow("missing year") << std::string("7 January ") << 0 << 0 << 0;
        QTest::newRow("empty") << std::string() << 0 << 0 << 0;
        QTest::newRow("signed day") << std::string("+7 January 1980") << 0 << 0 << 0;
        QTest::newRow("double blank") << std::string("7  January 1980") << 0 << 0 << 0;
        QTest::newRow("trailing text") << std::string("7 January 1980 x") << 0 << 0 << 0;
    }

    void dateText() {
        QFETCH(std::string, text);
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        const auto date = ParseDayMonthYear(text);
        if (y == 0) {
            QVERIFY(!date.has_value());
            return;
        }
        QVERIFY(date.has_value());
        QCOMPARE(*date, Ymd(y, static_cast<unsigned>(m), static_cast<unsigned>(d)));
    }

    // An independent source for the data: ICU's Chinese calendar, in China's time zone. The row's
    // start must be the day on which month 1, day 1 of the Chinese calendar falls, and its sign and
    // element must follow the sexagenary year that ICU reports.
    void agreesWithIcuChineseCalendar() {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone("Asia/Shanghai"));
        std::unique_ptr<icu::Calendar> chinese(
            icu::Calendar::createInstance(zone->clone(), icu::Locale("en@calendar=chinese"), status));
        icu::GregorianCalendar gregorian(zone->clone(), status);
        QVERIFY(U_SUCCESS(status));

        const auto table = BuildNewYearTable();
        for (int k = 1; k < zodiac::NewYearRowCount; ++k) {
            const auto& row = table[static_cast<std::size_t>(k)];
            const int y = static_cast<int>(row.StartDate.year());
            // Noon local time keeps the day clear of the midnight edge.
            gregorian.clear();
            gregorian.set(y, static_cast<int>(static_cast<unsigned>(row.StartDate.month())) - 1,
                          static_cast<int>(static_cast<unsigned>(row.StartDate.day())), 12, 0, 0);
            const UDate noon = gregorian.getTime(status);
            chinese->setTime(noon, status);
            const int month = chinese->get(UCAL_MONTH, status);
            const int dayOfMonth = chinese->get(UCAL_DATE, status);
            const int leap = chinese->get(UCAL_IS_LEAP_MONTH, status);
            int cycleYear = chinese->get(UCAL_YEAR, status); // 1..60, 1 = Jia-Zi (Wood Rat)
            QVERIFY(U_SUCCESS(status));

            if (y == 1954) {
                // ICU's approximate astronomy puts this new moon just after midnight, on 4 February;
                // the published almanacs, and the table, give 3 February. Check that it is only that.
                QCOMPARE(row.StartDate, Ymd(1954, 2, 3));
                QCOMPARE(month, 11); // still the twelfth month on the 3rd
                chinese->setTime(noon + 86400000.0, status);
                QCOMPARE(chinese->get(UCAL_MONTH, status), 0);
                QCOMPARE(chinese->get(UCAL_DATE, status), 1);
                cycleYear = chinese->get(UCAL_YEAR, status);
            } else {
                QVERIFY2(month == 0 && dayOfMonth == 1 && leap == 0,
                         qPrintable(QStringLiteral("row %1 (%2): ICU month %3 day %4")
                                        .arg(k)
                                        .arg(y)
                                        .arg(month + 1)
                                        .arg(dayOfMonth)));
            }

            static constexpr std::array<std::string_view, 10> stemElements{
                "Wood", "Wood", "Fire", "Fire", "Earth", "Earth", "Metal", "Metal", "Water", "Water"};
            QCOMPARE(row.Sign, zodiac::SignNames[static_cast<std::size_t>((cycleYear - 1) % 12)]);
            QCOMPARE(row.Element, stemElements[static_cast<std::size_t>((cycleYear - 1) % 10)]);
        }
        // Row 0 starts on 1 January 1936 on purpose; that year's real New Year was 24 January.
        QCOMPARE(table[0].StartDate, Ymd(1936, 1, 1));
    }
};

QTEST_APPLESS_MAIN(tst_NewYearTable)
#include "tst_newyeartable.moc"
