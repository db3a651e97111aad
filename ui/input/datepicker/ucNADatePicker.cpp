#include "ucNADatePicker.h"

#include "Controls.h"
#include "TextFit.h"
#include "Twips.h"
#include "WindowFonts.h"

#include <QComboBox>
#include <QLocale>
#include <QPalette>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <chrono>

namespace zodiac {

ucNADatePicker::ucNADatePicker(QWidget* parent) : ucNADatePicker(QDate::currentDate(), parent) {}

ucNADatePicker::ucNADatePicker(const QDate& today, QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Date"));
    // The program's window font: in a larger one, long month names would not fit the month list.
    setFont(WindowFont());
    setFixedSize(FixedSize());

    cboDate = MakeList(this, QStringLiteral("cboDate"), tr("Day"));
    cboMonth = MakeList(this, QStringLiteral("cboMonth"), tr("Month"));
    cboYear = MakeList(this, QStringLiteral("cboYear"), tr("Year"));
    PlaceTwips(cboDate, 30, 30, 645, 315);
    PlaceTwips(cboMonth, 720, 30, 1305, 315);
    PlaceTwips(cboYear, 2070, 30, 1095, 315);

    SetFixedEntries(cboDate, 31, [](int row) { return QString::number(row + 1); });

    UserControl_Initialize(today);
    for (QComboBox* list : {cboDate, cboMonth, cboYear})
        FitListFont(list);

    connect(cboDate, &QComboBox::currentIndexChanged, this, &ucNADatePicker::cboDate_Click);
    connect(cboMonth, &QComboBox::currentIndexChanged, this, &ucNADatePicker::cboMonth_Click);
    connect(cboYear, &QComboBox::currentIndexChanged, this, &ucNADatePicker::cboYear_Click);
}

void ucNADatePicker::UserControl_Initialize(const QDate& today) {
    const QLocale locale = QLocale::system();
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months.append(locale.standaloneMonthName(month, QLocale::LongFormat));
    SetFixedEntries(cboMonth, 12, [months](int row) { return months.at(row); });
    SetFixedEntries(cboYear, LastYear - FirstYear + 1,
                    [](int row) { return QString::number(FirstYear + row); });

    SelectWholeDate(InitialDate(today));
}

QDate ucNADatePicker::InitialDate(const QDate& today) {
    if (!today.isValid())
        return QDate(LastYear, 1, 1);
    if (today.year() >= FirstYear && today.year() <= LastYear)
        return today;
    // Every day after 2008 lands here: the year list stops at 2008, so the nearest listed year stands
    // in, with today's day and month; the day is cut to that month's length (29 February).
    const int year = std::clamp(today.year(), FirstYear, LastYear);
    const int day = std::min(today.day(), DaysInMonth(year, today.month()));
    return QDate(year, today.month(), day);
}

int ucNADatePicker::DaysInMonth(int year, int month) {
    using namespace std::chrono;
    // The day before the first of the next month; December's successor is January of the next year.
    const sys_days firstOfNext = month == 12 ? sys_days(std::chrono::year(year + 1) / January / 1)
                                             : sys_days(std::chrono::year(year) / (month + 1) / 1);
    const year_month_day lastDay(firstOfNext - days(1));
    return static_cast<int>(static_cast<unsigned>(lastDay.day()));
}

QSize ucNADatePicker::FixedSize() {
    return TwipsRect(0, 0, WidthTwips, HeightTwips).size();
}

QDate ucNADatePicker::Value() const {
    // Formed from the three positions, so the locale's date order plays no part.
    return QDate(cboYear->currentIndex() + FirstYear, cboMonth->currentIndex() + 1,
                 cboDate->currentIndex() + 1);
}

bool ucNADatePicker::setValue(const QDate& value) {
    if (!value.isValid() || value.year() < FirstYear || value.year() > LastYear)
        return false;
    SelectWholeDate(value);
    return true;
}

void ucNADatePicker::SelectWholeDate(const QDate& value) {
    {
        // Selecting the lists one at a time would clip the new day against the month shown before
        // (31 March written while February is shown), so the three change together.
        const QSignalBlocker blockDate(cboDate);
        const QSignalBlocker blockMonth(cboMonth);
        const QSignalBlocker blockYear(cboYear);
        cboDate->setCurrentIndex(value.day() - 1);
        cboMonth->setCurrentIndex(value.month() - 1);
        cboYear->setCurrentIndex(value.year() - FirstYear);
    }
    AdjustDayToMonth();
    emit DateChanged();
}

void ucNADatePicker::setEnabledFlag(bool enabled) {
    m_enabled = enabled;
    cboDate->setEnabled(enabled);
    cboMonth->setEnabled(enabled);
    cboYear->setEnabled(enabled);
}

QColor ucNADatePicker::ForeColor() const {
    return cboDate->palette().color(QPalette::Text);
}

void ucNADatePicker::setForeColor(const QColor& color) {
    for (QComboBox* list : {cboDate, cboMonth, cboYear}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Text, color);
        palette.setColor(QPalette::ButtonText, color);
        palette.setColor(QPalette::WindowText, color);
        list->setPalette(palette);
    }
}

void ucNADatePicker::cboDate_Click() {
    AdjustDayToMonth();
    emit DateChanged();
}

void ucNADatePicker::cboMonth_Click() {
    AdjustDayToMonth();
    emit DateChanged();
}

void ucNADatePicker::cboYear_Click() {
    AdjustDayToMonth();
    emit DateChanged();
}

void ucNADatePicker::AdjustDayToMonth() {
    if (cboMonth->currentIndex() < 0 || cboYear->currentIndex() < 0)
        return;
    const int lastDay = DaysInMonth(cboYear->currentIndex() + FirstYear, cboMonth->currentIndex() + 1);
    // Moving the day counts as a pick in the day list: its handler runs (and raises DateChanged)
    // before the handler of the pick that caused the move.
    if (cboDate->currentIndex() + 1 > lastDay)
        cboDate->setCurrentIndex(lastDay - 1);
}

void ucNADatePicker::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A host may lift the fixed size; the control keeps its own.
    if (event->size() != FixedSize())
        setFixedSize(FixedSize());
}

} // namespace zodiac
