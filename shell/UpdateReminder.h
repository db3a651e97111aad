#pragma once
#include <QDate>
#include <QLocale>
#include <QString>

namespace zodiac {

// The locale's short date with the year always in four digits ("12/6/2026" in the United States):
// a two-digit year would read back as 19xx.
QString ShortDateText(const QDate& date, const QLocale& locale);

// Reads a text written by ShortDateText; an invalid date when it is none.
QDate ParseShortDate(const QString& text, const QLocale& locale);

// Now and then asks whether to look for a newer version, keeping the last due date in the
// setting "Duration"; on Yes opens the download page.
void ShowUpdateReminder(const QDate& today, const QLocale& locale = QLocale::system());

} // namespace zodiac
