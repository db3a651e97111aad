#include "RenderCheck.h"
#include "ucNADatePicker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>

using zodiac::ucNADatePicker;

namespace {

QComboBox* List(ucNADatePicker& picker, const QString& name) {
    return picker.findChild<QComboBox*>(name);
}

} // namespace

class tst_DatePicker : public QObject {
    Q_OBJECT

private slots:
    void lists();
    void creation_data();
    void creation();
    void creationToday();
    void pick_data();
    void pick();
    void pickByKeyboard();
    void pickChain();
    void correctionOrder();
    void setValue_data();
    void setValue();
    void daysInMonth_data();
    void daysInMonth();
    void enabledAndColour();
    void resizing();
};

void tst_DatePicker::lists() {
    ucNADatePicker picker(QDate(2001, 7, 4));
    QComboBox* day = List(picker, "cboDate");
    QComboBox* month = List(picker, "cboMonth");
    QComboBox* year = List(picker, "cboYear");
    QVERIFY(day && month && year);
    QCOMPARE(day->count(), 31);
    QCOMPARE(day->itemText(0), "1");
    QCOMPARE(day->itemText(30), "31");
    QCOMPARE(month->count(), 12);
    QCOMPARE(month->itemText(0), QLocale::system().standaloneMonthName(1, QLocale::LongFormat));
    QCOMPARE(month->itemText(11), QLocale::system().standaloneMonthName(12, QLocale::LongFormat));
    QCOMPARE(year->count(), 73);
    QCOMPARE(year->itemText(0), "1936");
    QCOMPARE(year->itemText(72), "2008");
    for (QComboBox* list : {day, month, year})
        QVERIFY(!list->isEditable());
    QCOMPARE(day->accessibleName(), "Day");
    QCOMPARE(month->accessibleName(), "Month");
    QCOMPARE(year->accessibleName(), "Year");
    // Every entry, the longest month name of the locale included, fits its list.
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    VerifyRendering(&picker);
}

void tst_DatePicker::creation_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("shown");

    QTest::newRow("ordinary day") << QDate(2001, 7, 4) << QDate(2001, 7, 4);
    QTest::newRow("31st of a month") << QDate(1999, 3, 31) << QDate(1999, 3, 31);
    QTest::newRow("29 February of a leap year") << QDate(2004, 2, 29) << QDate(2004, 2, 29);
    QTest::newRow("first listed day") << QDate(1936, 1, 1) << QDate(1936, 1, 1);
    QTest::newRow("last listed day") << QDate(2008, 12, 31) << QDate(2008, 12, 31);
    QTest::newRow("after the list") << QDate(2026, 12, 8) << QDate(2008, 12, 8);
    QTest::newRow("after the list, 31st") << QDate(2025, 10, 31) << QDate(2008, 10, 31);
    QTest::newRow("after the list, 29 February") << QDate(2024, 2, 29) << QDate(2008, 2, 29);
    QTest::newRow("before the list") << QDate(1932, 2, 29) << QDate(1936, 2, 29);
}

void tst_DatePicker::creation() {
    QFETCH(QDate, today);
    QFETCH(QDate, shown);
    ucNADatePicker picker(today);
    QCOMPARE(picker.Value(), shown);
    QCOMPARE(List(picker, "cboDate")->currentText(), QString::number(shown.day()));
    QCOMPARE(List(picker, "cboYear")->currentText(), QString::number(shown.year()));
}

void tst_DatePicker::creationToday() {
    const QDate before = QDate::currentDate();
    ucNADatePicker picker;
    const QDate after = QDate::currentDate();
    QVERIFY(picker.Value() == ucNADatePicker::InitialDate(before) ||
            picker.Value() == ucNADatePicker::InitialDate(after));
}

void tst_DatePicker::pick_data() {
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("position");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<int>("dateChanged");

    QTest::newRow("31 Jan 2001 to February")
        << QDate(2001, 1, 31) << "cboMonth" << 1 << QDate(2001, 2, 28) << 2;
    QTest::newRow("31 Jan 2000 to February")
        << QDate(2000, 1, 31) << "cboMonth" << 1 << QDate(2000, 2, 29) << 2;
    QTest::newRow("31 Jan 1936 to February")
        << QDate(1936, 1, 31) << "cboMonth" << 1 << QDate(1936, 2, 29) << 2;
    QTest::newRow("31 Mar to April") << QDate(2001, 3, 31) << "cboMonth" << 3 << QDate(2001, 4, 30) << 2;
    QTest::newRow("30 Apr to June") << QDate(2001, 4, 30) << "cboMonth" << 5 << QDate(2001, 6, 30) << 1;
    QTest::newRow("31 Aug to September") << QDate(1999, 8, 31) << "cboMonth" << 8 << QDate(1999, 9, 30) << 2;
    QTest::newRow("29 Feb 2004 to 2005")
        << QDate(2004, 2, 29) << "cboYear" << 2005 - 1936 << QDate(2005, 2, 28) << 2;
    QTest::newRow("29 Feb 2004 to 2000")
        << QDate(2004, 2, 29) << "cboYear" << 2000 - 1936 << QDate(2000, 2, 29) << 1;
    QTest::newRow("31 Dec 2007 to 2008")
        << QDate(2007, 12, 31) << "cboYear" << 2008 - 1936 << QDate(2008, 12, 31) << 1;
    QTest::newRow("day 31 picked in February")
        << QDate(2001, 2, 10) << "cboDate" << 30 << QDate(2001, 2, 28) << 2;
    QTest::newRow("day 30 picked in leap February")
        << QDate(2000, 2, 1) << "cboDate" << 29 << QDate(2000, 2, 29) << 2;
    QTest::newRow("day 29 picked in leap February")
        << QDate(2000, 2, 1) << "cboDate" << 28 << QDate(2000, 2, 29) << 1;
}

void tst_DatePicker::pick() {
    QFETCH(QDate, shown);
    QFETCH(QString, list);
    QFETCH(int, position);
    QFETCH(QDate, expected);
    QFETCH(int, dateChanged);

    ucNADatePicker picker(QDate(2001, 7, 4));
    QVERIFY(picker.setValue(shown));
    QList<QDate> seen;
    connect(&picker, &ucNADatePicker::DateChanged, this, [&] { seen.append(picker.Value()); });

    List(picker, list)->setCurrentIndex(position);

    QCOMPARE(picker.Value(), expected);
    QCOMPARE(seen.size(), dateChanged);
    for (const QDate& date : seen)
        QCOMPARE(date, expected);
}

void tst_DatePicker::pickByKeyboard() {
    ucNADatePicker picker(QDate(2001, 1, 31));
    QSignalSpy spy(&picker, &ucNADatePicker::DateChanged);
    QComboBox* month = List(picker, "cboMonth");
    QTest::keyClick(month, Qt::Key_Down);
    QCOMPARE(picker.Value(), QDate(2001, 2, 28));
    QCOMPARE(spy.count(), 2);
}

void tst_DatePicker::pickChain() {
    ucNADatePicker picker(QDate(2004, 2, 29));
    QComboBox* year = List(picker, "cboYear");
    year->setCurrentIndex(2005 - 1936);
    QCOMPARE(picker.Value(), QDate(2005, 2, 28));
    year->setCurrentIndex(2008 - 1936);
    QCOMPARE(picker.Value(), QDate(2008, 2, 28));
}

void tst_DatePicker::correctionOrder() {
    ucNADatePicker picker(QDate(2001, 1, 31));
    QComboBox* day = List(picker, "cboDate");
    QComboBox* month = List(picker, "cboMonth");
    QStringList events;
    // Connected after the control's own handlers, so each entry marks the end of that list's handler.
    connect(day, &QComboBox::currentIndexChanged, this, [&] { events << "day"; });
    connect(month, &QComboBox::currentIndexChanged, this, [&] { events << "month"; });
    connect(&picker, &ucNADatePicker::DateChanged, this, [&] {
        QVERIFY(picker.Value().isValid());
        events << "DateChanged " + picker.Value().toString(Qt::ISODate);
    });

    month->setCurrentIndex(1);

    const QStringList expected{"DateChanged 2001-02-28", "day", "DateChanged 2001-02-28", "month"};
    QCOMPARE(events, expected);
}

void tst_DatePicker::setValue_data() {
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDate>("written");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("31 Mar 1999 over 15 Feb 1999") << QDate(1999, 2, 15) << QDate(1999, 3, 31) << true;
    QTest::newRow("29 Feb 2000 over 31 Jan 2001") << QDate(2001, 1, 31) << QDate(2000, 2, 29) << true;
    QTest::newRow("31 Dec 2008 over 29 Feb 1936") << QDate(1936, 2, 29) << QDate(2008, 12, 31) << true;
    QTest::newRow("1 Jan 1936 over 30 Jun 1970") << QDate(1970, 6, 30) << QDate(1936, 1, 1) << true;
    QTest::newRow("31 Dec 1935 rejected") << QDate(1999, 2, 15) << QDate(1935, 12, 31) << false;
    QTest::newRow("1 Jan 2009 rejected") << QDate(1999, 2, 15) << QDate(2009, 1, 1) << false;
    QTest::newRow("today after the list rejected") << QDate(2000, 2, 29) << QDate(2026, 12, 8) << false;
    QTest::newRow("invalid date rejected") << QDate(1999, 2, 15) << QDate() << false;
}

void tst_DatePicker::setValue() {
    QFETCH(QDate, shown);
    QFETCH(QDate, written);
    QFETCH(bool, accepted);

    ucNADatePicker picker(shown);
    QList<QDate> seen;
    connect(&picker, &ucNADatePicker::DateChanged, this, [&] { seen.append(picker.Value()); });

    QCOMPARE(picker.setValue(written), accepted);

    if (accepted) {
        QCOMPARE(picker.Value(), written);
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.last(), written);
    } else {
        QCOMPARE(picker.Value(), shown);
        QVERIFY(seen.isEmpty());
    }
}

void tst_DatePicker::daysInMonth_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");

    QTest::newRow("February 1900, not leap") << 1900 << 2 << 28;
    QTest::newRow("February 2000, leap") << 2000 << 2 << 29;
    QTest::newRow("February 1936, leap") << 1936 << 2 << 29;
    QTest::newRow("February 2001") << 2001 << 2 << 28;
    QTest::newRow("April") << 2001 << 4 << 30;
    QTest::newRow("December") << 2008 << 12 << 31;
    QTest::newRow("January") << 1936 << 1 << 31;
}

void tst_DatePicker::daysInMonth() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QCOMPARE(ucNADatePicker::DaysInMonth(year, month), days);
}

void tst_DatePicker::enabledAndColour() {
    ucNADatePicker picker(QDate(2001, 7, 4));
    const QStringList names{"cboDate", "cboMonth", "cboYear"};
    // The flag matches what the lists show from the start.
    QVERIFY(picker.Enabled());
    for (const QString& name : names)
        QVERIFY(List(picker, name)->isEnabled());

    picker.setEnabledFlag(false);
    QVERIFY(!picker.Enabled());
    for (const QString& name : names)
        QVERIFY(!List(picker, name)->isEnabled());
    picker.setEnabledFlag(true);
    for (const QString& name : names)
        QVERIFY(List(picker, name)->isEnabled());

    const QColor red(200, 0, 0);
    picker.setForeColor(red);
    QCOMPARE(picker.ForeColor(), red);
    for (const QString& name : names) {
        QCOMPARE(List(picker, name)->palette().color(QPalette::Text), red);
        QCOMPARE(List(picker, name)->palette().color(QPalette::ButtonText), red);
    }
}

void tst_DatePicker::resizing() {
    QWidget host;
    auto* layout = new QHBoxLayout(&host);
    auto* picker = new ucNADatePicker(QDate(2001, 7, 4));
    layout->addWidget(picker, 1);
    host.resize(600, 200);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    const QSize fixed(213, 27);
    QCOMPARE(ucNADatePicker::FixedSize(), fixed);
    QCOMPARE(picker->size(), fixed);

    picker->resize(500, 100);
    QCOMPARE(picker->size(), fixed);
    picker->setGeometry(0, 0, 10, 10);
    QCOMPARE(picker->size(), fixed);
    picker->setMinimumSize(0, 0);
    picker->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    picker->resize(400, 80);
    QCOMPARE(picker->size(), fixed);
    picker->setFixedSize(300, 60);
    QCOMPARE(picker->size(), fixed);
    host.resize(900, 300);
    QCoreApplication::processEvents();
    QCOMPARE(picker->size(), fixed);
}

QTEST_MAIN(tst_DatePicker)
#include "tst_datepicker.moc"
