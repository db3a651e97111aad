#include "DateText.h"
#include "NewYearTable.h"

#include <QProcess>
#include <QtTest>
#include <map>
#include <memory>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <vector>

using namespace std::chrono;
using zodiac::BuildNewYearTable;
using zodiac::FindNewYearRow;
using zodiac::ParseDayMonthYear;

Q_DECLARE_METATYPE(std::string)

namespace {

year_month_day Ymd(int y, unsigned m, unsigned d) {
    return year_month_day{year{y}, month{m}, day{d}};
}

QDate Q(year_month_day date) {
    return QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
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
        for (sys_days d = sys_days{Ymd(1900, 1, 1)}; d <= sys_days{Ymd(2100, 12, 31)}; d += days{1}) {
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
        QCOMPARE(table.front().StartDate, Ymd(1899, 2, 10));
        for (std::size_t k = 0; k < table.size(); ++k) {
            QVERIFY(table[k].StartDate.ok() && table[k].EndDate.ok());
            if (k > 0)
                QCOMPARE(sys_days{table[k].StartDate}, sys_days{table[k - 1].EndDate} + days{1});
            QVERIFY2(DaysInclusive(table[k]) >= 353 && DaysInclusive(table[k]) <= 385,
                     qPrintable(QString::number(k)));
        }
        QCOMPARE(table.back().EndDate, Ymd(2101, 1, 28));
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
        QTest::newRow("before the table") << 1899 << 2 << 9 << -1 << ""
                                          << "";
        QTest::newRow("first day") << 1899 << 2 << 10 << 0 << "Pig"
                                   << "Earth";
        QTest::newRow("1 Jan 1900") << 1900 << 1 << 1 << 0 << "Pig"
                                    << "Earth";
        QTest::newRow("1900 new year") << 1900 << 1 << 31 << 1 << "Rat"
                                       << "Metal";
        QTest::newRow("end of 1935 Pig") << 1936 << 1 << 23 << 36 << "Pig"
                                         << "Wood";
        QTest::newRow("1936 new year") << 1936 << 1 << 24 << 37 << "Rat"
                                       << "Fire";
        QTest::newRow("end of 1936 Rat") << 1937 << 2 << 10 << 37 << "Rat"
                                         << "Fire";
        QTest::newRow("start of 1937 Ox") << 1937 << 2 << 11 << 38 << "Ox"
                                          << "Fire";
        QTest::newRow("1960 new year") << 1960 << 1 << 28 << 61 << "Rat"
                                       << "Metal";
        QTest::newRow("end of 1984 Rat") << 1985 << 2 << 19 << 85 << "Rat"
                                         << "Wood";
        QTest::newRow("start of 1985 Ox") << 1985 << 2 << 20 << 86 << "Ox"
                                          << "Wood";
        QTest::newRow("end of 2000 Dragon") << 2001 << 1 << 23 << 101 << "Dragon"
                                            << "Metal";
        QTest::newRow("start of 2001 Snake") << 2001 << 1 << 24 << 102 << "Snake"
                                             << "Metal";
        QTest::newRow("end of 2007 Pig") << 2008 << 2 << 6 << 108 << "Pig"
                                         << "Fire";
        QTest::newRow("start of 2008 Rat") << 2008 << 2 << 7 << 109 << "Rat"
                                           << "Earth";
        QTest::newRow("end of 2008") << 2008 << 12 << 31 << 109 << "Rat"
                                     << "Earth";
        QTest::newRow("end of 2019") << 2019 << 12 << 31 << 120 << "Pig"
                                     << "Earth";
        QTest::newRow("31 Dec 2100") << 2100 << 12 << 31 << 201 << "Monkey"
                                     << "Metal";
        QTest::newRow("last day") << 2101 << 1 << 28 << 201 << "Monkey"
                                  << "Metal";
        QTest::newRow("after the table") << 2101 << 1 << 29 << -1 << ""
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

    // Two independent calendars, for every day from 1 January 1900 to 31 December 2100: ICU's
    // Chinese calendar in China's time zone, and the New Years that new_year_days.py works out from
    // the new moons and solar terms PyEphem computes.
    void agreesWithTwoCalendars() {
        const auto table = BuildNewYearTable();
        QProcess script;
        script.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(ZODIAC_NEW_YEAR_DAYS_SCRIPT)});
        const bool ran = script.waitForFinished(120000) && script.exitCode() == 0;
        QVERIFY2(ran, qPrintable(script.errorString() + script.readAllStandardError()));
        std::vector<QDate> newYears; // 1899 to 2101
        for (const QByteArray& line : script.readAllStandardOutput().split('\n')) {
            if (const QDate d = QDate::fromString(QString::fromLatin1(line), Qt::ISODate); d.isValid())
                newYears.push_back(d);
        }
        QCOMPARE(newYears.size(), table.size() + 1);
        for (std::size_t k = 0; k < table.size(); ++k) {
            QCOMPARE(Q(table[k].StartDate), newYears[k]);
            QCOMPARE(Q(table[k].EndDate), newYears[k + 1].addDays(-1));
        }

        // ICU's approximate astronomy puts these New Year new moons, minutes from midnight China time,
        // on the other side of it; the almanacs and PyEphem agree on the table's day. The value is
        // ICU's Chinese year minus the table's on that day.
        const std::map<sys_days, int> icuDiffers{
            {sys_days{Ymd(1954, 2, 3)}, -1}, // new moon at 23:55 on 3 February; ICU has it on the 4th
            {sys_days{Ymd(2027, 2, 6)}, -1}, // new moon at 23:56 on 6 February; ICU has it on the 7th
            {sys_days{Ymd(2030, 2, 2)}, 1},  // new moon at 00:07 on 3 February; ICU has it on the 2nd
        };
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Calendar> chinese(icu::Calendar::createInstance(
            icu::TimeZone::createTimeZone("Asia/Shanghai"), icu::Locale("en@calendar=chinese"), status));
        static constexpr std::array<std::string_view, 10> stemElements{
            "Wood", "Wood", "Fire", "Fire", "Earth", "Earth", "Metal", "Metal", "Water", "Water"};
        for (sys_days d = sys_days{Ymd(1900, 1, 1)}; d <= sys_days{Ymd(2100, 12, 31)}; d += days{1}) {
            // Noon in China, clear of the midnight edge.
            chinese->setTime((double(d.time_since_epoch().count()) * 24 + 4) * 3600000, status);
            const int off = icuDiffers.contains(d) ? icuDiffers.at(d) : 0;
            const int year = chinese->get(UCAL_EXTENDED_YEAR, status) - 2637 - off;
            // 0 is Jia-Zi, a Wood Rat year.
            const auto cycle = std::size_t(chinese->get(UCAL_YEAR, status) - 1 - off + 60) % 60;
            QVERIFY(U_SUCCESS(status));
            const int row = FindNewYearRow(table, year_month_day{d}).value_or(-1);
            QVERIFY2(
                row == year - zodiac::FirstTableYear,
                qPrintable(Q(year_month_day{d}).toString(Qt::ISODate) + QStringLiteral(": row %1").arg(row)));
            QCOMPARE(table[std::size_t(row)].Sign, zodiac::SignNames[cycle % 12]);
            QCOMPARE(table[std::size_t(row)].Element, stemElements[cycle % 10]);
        }
    }
};

QTEST_GUILESS_MAIN(tst_NewYearTable)
#include "tst_newyeartable.moc"
