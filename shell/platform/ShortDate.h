#pragma once
#include <QDate>
#include <QLocale>
#include <QString>

namespace zodiac {

// The locale's short date with the year always in four digits ("12/6/2026" in the United States):
// a two-digit year would read back as 19xx. An invalid date gives the empty text.
QString ShortDateText(const QDate& date, const QLocale& locale);

// Reads a text written by ShortDateText; an invalid date when it is none.
QDate ParseShortDate(const QString& text, const QLocale& locale);

// The form a date is kept in the settings: the locale's short date where it survives the store
// (the scrambler holds Windows-1252 only) and reads back as the same day; otherwise, as for Arabic-
// Indic digits or right-to-left marks, the date as "yyyy-MM-dd" in ASCII digits.
QString StoredDateText(const QDate& date, const QLocale& locale);

// Reads either form of StoredDateText; an invalid date when the text is neither.
QDate ParseStoredDate(const QString& text, const QLocale& locale);

} // namespace zodiac
