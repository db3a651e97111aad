#include "EndApplication.h"
#include "NewYearTable.h"
#include "RenderCheck.h"
#include "SignDetermination.h"
#include "UrlCatcher.h"
#include "frmSignDetails.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using zodiac::frmSignDetails;
using zodiac::ShowBirthDate;

namespace {
std::string Text(const char* value) {
    return QString::fromLatin1(value).toStdString();
}

zodiac::ZodiacReading SampleReading(const char* sex, const char* day, const char* month, const char* year) {
    zodiac::ZodiacReading reading;
    reading.Name = Text("Lee");
    reading.Sex = Text(sex);
    reading.DayText = Text(day);
    reading.MonthName = Text(month);
    reading.YearText = Text(year);
    reading.Sign = Text("Goat");
    reading.Element = Text("Wood");
    reading.ElementDescription = Text("Element text");
    reading.RulingPlanet = Text("Planet");
    reading.PositiveTraits = Text("Positive");
    reading.NegativeTraits = Text("Negative");
    reading.LuckyColor = Text("Color");
    reading.GemStone = Text("Gem");
    reading.Energy = Text("Energy");
    reading.FavourableSeason = Text("Season");
    reading.FavourableMonth = Text("Month");
    reading.MostCompatibleSign = Text("Most");
    reading.LeastCompatibleSign = Text("Least");
    reading.FamousPersons = Text("Famous");
    return reading;
}
} // namespace

class tst_frmSignDetails : public QObject {
    Q_OBJECT

private slots:
    void init() {
        zodiac::SetEndApplicationHook([] {});
    }

    void fillsFromReading_data() {
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("name");
        QTest::newRow("male") << "Male"
                              << "Mr. Lee";
        QTest::newRow("female") << "Female"
                                << "Ms. Lee";
        QTest::newRow("other text") << "male"
                                    << "Ms. Lee";
    }

    void fillsFromReading() {
        QFETCH(QString, sex);
        QFETCH(QString, name);
        const std::string sexText = sex.toStdString();
        const zodiac::ZodiacReading reading = SampleReading(sexText.c_str(), "28", "February", "1991");
        frmSignDetails window(reading);
        QCOMPARE(window.findChild<QLabel*>("lblName")->text(), name);
        QCOMPARE(window.findChild<QGroupBox*>("fraStarUserSignDetails")->title(), QStringLiteral("Goat"));
        QCOMPARE(window.findChild<QLabel*>("lblChineseSign")->text(), QStringLiteral("Goat"));
        QCOMPARE(window.findChild<QLabel*>("lblChineseElement")->text(), QStringLiteral("Wood"));
        QCOMPARE(window.findChild<QCalendarWidget*>("MV")->selectedDate(), QDate(1991, 2, 28));

        const QList<std::pair<const char*, QString>> lines{
            {"txtRulingPlanet", "Planet"}, {"txtLuckyColor", "Color"},   {"txtGemStone", "Gem"},
            {"txtEnergy", "Energy"},       {"txtLuckySeason", "Season"}, {"txtLuckyMonth", "Month"},
            {"txtMostCompSign", "Most"},   {"txtLeastCompSign", "Least"}};
        for (const auto& [box, value] : lines) {
            auto* edit = window.findChild<QLineEdit*>(box);
            QVERIFY2(edit, box);
            QCOMPARE(edit->text(), value);
            QVERIFY(edit->isReadOnly());
        }
        const QList<std::pair<const char*, QString>> areas{{"txtChineseElement", "Element text"},
                                                           {"txtPositiveTraits", "Positive"},
                                                           {"txtNegativeTraits", "Negative"},
                                                           {"txtFamousPersons", "Famous"}};
        for (const auto& [box, value] : areas) {
            auto* edit = window.findChild<QPlainTextEdit*>(box);
            QVERIFY2(edit, box);
            QCOMPARE(edit->toPlainText(), value);
            QVERIFY(edit->isReadOnly());
            QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
        QVERIFY(!window.findChild<QAction*>("mnuMakeMoney")->isVisible());
    }

    // What a screen reader says after the title on arrival, and where the focus starts.
    void arrivalSaysTheReading_data() {
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("male") << "Male"
                              << "Lee"
                              << "Mr. Lee. Your Chinese Sign: Goat. Your Chinese Element: Wood.";
        QTest::newRow("empty name") << "Female"
                                    << ""
                                    << "Ms. Your Chinese Sign: Goat. Your Chinese Element: Wood.";
        QTest::newRow("name ending in a full stop")
            << "Male"
            << "Lee Jr."
            << "Mr. Lee Jr. Your Chinese Sign: Goat. Your Chinese Element: Wood.";
        QTest::newRow("name with a place marker")
            << "Female"
            << "%1 %2"
            << "Ms. %1 %2. Your Chinese Sign: Goat. Your Chinese Element: Wood.";
    }

    void arrivalSaysTheReading() {
        QFETCH(QString, sex);
        QFETCH(QString, name);
        QFETCH(QString, description);
        const std::string sexText = sex.toStdString();
        zodiac::ZodiacReading reading = SampleReading(sexText.c_str(), "1", "May", "1980");
        reading.Name = name.toStdString();
        frmSignDetails window(reading);
        QCOMPARE(window.accessibleDescription(), description);
        // The first focus serves the reading; a link label never takes it.
        QCOMPARE(window.focusWidget(), window.findChild<QPlainTextEdit*>("txtChineseElement"));
    }

    void oneLineBoxesAreReadWhole() {
        const zodiac::ZodiacReading reading = SampleReading("Male", "1", "May", "1980");
        frmSignDetails window(reading);
        auto* box = window.findChild<QLineEdit*>("txtGemStone");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible && accessible->textInterface());
        QAccessibleTextInterface* text = accessible->textInterface();
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("GemStone"));
        QVERIFY(accessible->state().readOnly);
        QCOMPARE(text->characterCount(), 3);
        // A reader finds the line it speaks from the attribute runs; each must span the whole text,
        // or the last character goes unheard.
        for (int offset = 0; offset < 3; ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            QCOMPARE(std::pair(start, end), std::pair(0, 3));
        }
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(2, QAccessible::LineBoundary, &start, &end), QStringLiteral("Gem"));
        QCOMPARE(text->text(1, 3), QStringLiteral("em"));

        // Tabbed into, the box keeps its caret at the start and selects nothing.
        QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(box, &tabbedIn);
        QVERIFY(!box->hasSelectedText());
        QCOMPARE(box->cursorPosition(), 0);
        QCOMPARE(text->selectionCount(), 0);
        box->selectAll();
        QCOMPARE(text->selectionCount(), 1);
        text->selection(0, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, 3));
    }

    void calendarSaysTheDate() {
        const zodiac::ZodiacReading reading = SampleReading("Male", "29", "February", "1980");
        frmSignDetails window(reading);
        auto* calendar = window.findChild<QCalendarWidget*>("MV");
        auto* grid = calendar->findChild<QTableView*>("qt_calendar_calendarview");
        QVERIFY(grid);
        QCOMPARE(grid->accessibleName(), QStringLiteral("Your Date of Birth"));
        QCOMPARE(grid->accessibleDescription(),
                 calendar->locale().toString(QDate(1980, 2, 29), QLocale::LongFormat));
        calendar->setSelectedDate(QDate(1980, 3, 1));
        QCOMPARE(grid->accessibleDescription(),
                 calendar->locale().toString(QDate(1980, 3, 1), QLocale::LongFormat));
    }

    // Every sign's profile in the window, under each palette a desktop theme may give.
    void rendersReadably_data() { AddPaletteRows(); }

    void rendersReadably() {
        QFETCH(QPalette, palette);
        UsePalette(palette);
        const zodiac::NewYearTable table = zodiac::BuildNewYearTable();
        double lowest = 0;
        for (int year = 1936; year < 1948; ++year) {
            zodiac::ZodiacReading reading;
            zodiac::ReadingInput input{Text("Ann Lee"), zodiac::SexChoice::Female, Text("14"),
                                       Text("September"), std::to_string(year)};
            zodiac::DetermineSign(reading, table, input);
            frmSignDetails window(reading);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const double contrast = VerifyRendering(&window);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("with the sign ") + QString::fromStdString(reading.Sign)));
            lowest = lowest == 0 ? contrast : std::min(lowest, contrast);
        }
        qInfo("lowest contrast of a coloured text: %.2f:1", lowest);
        UsePalette(TestPalettes().front().palette);
    }

    // A calendar that shows the 31st (or any day) ends on the birth date; parts that do not
    // convert keep what it showed.
    void calendarShowsTheBirthDate_data() {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("31 January to 28 February") << QDate(1991, 1, 31) << "28"
                                                   << "February"
                                                   << "1991" << QDate(1991, 2, 28);
        QTest::newRow("31 March to 30 April") << QDate(1980, 3, 31) << "30"
                                              << "April"
                                              << "1980" << QDate(1980, 4, 30);
        QTest::newRow("31 December to 29 February of a leap year") << QDate(2003, 12, 31) << "29"
                                                                   << "February"
                                                                   << "2004" << QDate(2004, 2, 29);
        QTest::newRow("first day of the list") << QDate(1980, 5, 31) << "1"
                                               << "January"
                                               << "1900" << QDate(1900, 1, 1);
        QTest::newRow("last day of the list") << QDate(1980, 5, 1) << "31"
                                              << "December"
                                              << "2100" << QDate(2100, 12, 31);
        QTest::newRow("year that is no number") << QDate(1991, 1, 31) << "5"
                                                << "May"
                                                << "19x1" << QDate(1991, 5, 5);
        QTest::newRow("unknown month") << QDate(1991, 1, 31) << "5"
                                       << "may"
                                       << "1999" << QDate(1999, 1, 5);
        QTest::newRow("day the month lacks") << QDate(1991, 1, 15) << "30"
                                             << "February"
                                             << "1991" << QDate(1991, 2, 15);
    }

    void calendarShowsTheBirthDate() {
        QFETCH(QDate, shown);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QDate, expected);
        QCalendarWidget calendar;
        calendar.setSelectedDate(shown);
        QCOMPARE(calendar.selectedDate(), shown);
        const std::string dayText = day.toStdString(), monthText = month.toStdString(),
                          yearText = year.toStdString();
        ShowBirthDate(&calendar, SampleReading("Male", dayText.c_str(), monthText.c_str(), yearText.c_str()));
        QCOMPARE(calendar.selectedDate(), expected);
        QCOMPARE(calendar.monthShown(), expected.month());
        QCOMPARE(calendar.yearShown(), expected.year());
    }

    void closeVersusBack_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("ends");
        QTest::addColumn<int>("backs");
        QTest::newRow("close box") << "close" << 1 << 0;
        QTest::newRow("Exit button") << "cmdExit" << 1 << 0;
        QTest::newRow("Exit menu") << "mnuExit" << 1 << 0;
        QTest::newRow("Back button") << "cmdBack" << 0 << 1;
        QTest::newRow("Back menu") << "mnuBack" << 0 << 1;
    }

    void closeVersusBack() {
        QFETCH(QString, how);
        QFETCH(int, ends);
        QFETCH(int, backs);
        const zodiac::ZodiacReading reading = SampleReading("Male", "1", "May", "1980");
        auto* window = new frmSignDetails(reading);
        window->show();
        QSignalSpy ended(window, &frmSignDetails::endRequested);
        QSignalSpy back(window, &frmSignDetails::backRequested);
        if (how == QStringLiteral("close"))
            window->close();
        else if (how.startsWith(QStringLiteral("cmd")))
            QTest::mouseClick(window->findChild<QPushButton*>(how), Qt::LeftButton);
        else
            window->findChild<QAction*>(how)->trigger();
        QCOMPARE(ended.count(), ends);
        QCOMPARE(back.count(), backs);
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void webLinks_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("Label14") << "Label14"
                                 << "home-page";
        QTest::newRow("lblFullBrand") << "lblFullBrand"
                                      << "fully-branded";
        QTest::newRow("mnuOnline") << "mnuOnline"
                                   << "help-web-page";
        QTest::newRow("mnuVisit") << "mnuVisit"
                                  << "home-page";
        QTest::newRow("mnuUpdate") << "mnuUpdate"
                                   << "download-web-page";
        QTest::newRow("mnuDonate") << "mnuDonate"
                                   << "donate";
        QTest::newRow("mnuMakeMoney") << "mnuMakeMoney"
                                      << "fully-branded";
    }

    void webLinks() {
        QFETCH(QString, control);
        QFETCH(QString, key);
        UrlCatcher catcher;
        const zodiac::ZodiacReading reading = SampleReading("Male", "1", "May", "1980");
        frmSignDetails window(reading);
        window.show();
        if (auto* action = window.findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = window.findChild<QLabel*>(control);
            QCOMPARE(label->parentWidget()->childAt(label->geometry().center()), label);
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls[0].query(), QStringLiteral("page=") + key);
    }

    void printOnlyAsks() {
        const zodiac::ZodiacReading reading = SampleReading("Male", "1", "May", "1980");
        frmSignDetails window(reading);
        QSignalSpy print(&window, &frmSignDetails::printRequested);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        window.findChild<QAction*>("mnuPrint")->trigger();
        QCOMPARE(print.count(), 2);
    }

    // The first frame is the settled window: the text boxes are laid out at their width before
    // the window shows (laid out as one endless line, they drew a horizontal scroll bar into it),
    // and a later window fits its calendar as the first did.
    void firstFrameIsSettled() {
        zodiac::ZodiacReading reading = SampleReading("Male", "1", "May", "1980");
        reading.ElementDescription =
            Text("A line much wider than any of the boxes, which wrap it at their width.");
        reading.PositiveTraits = reading.NegativeTraits = reading.FamousPersons = reading.ElementDescription;
        QList<std::pair<QFont, int>> calendars;
        for (int round = 0; round < 2; ++round) {
            frmSignDetails window(reading);
            for (QPlainTextEdit* box : window.findChildren<QPlainTextEdit*>()) {
                QVERIFY2(box->viewport()->width() > box->width() / 2, qPrintable(box->objectName()));
                QVERIFY2(box->document()->size().width() <= box->viewport()->width(),
                         qPrintable(box->objectName()));
            }
            const auto* calendar = window.findChild<QCalendarWidget*>("MV");
            calendars.append({calendar->font(), calendar->height()});
        }
        QCOMPARE(calendars.at(1), calendars.at(0));
    }
};

QTEST_MAIN(tst_frmSignDetails)
#include "tst_frmsigndetails.moc"
