#include "ShortDate.h"

#include "TextScrambler.h"

namespace zodiac {

namespace {

const QString PlainDateFormat = QStringLiteral("yyyy-MM-dd");

// Widens every two-letter year field ("yy") of the locale's short format to four letters, leaving
// quoted literal text alone. A plain scan: a regular expression here would pull the whole
// pattern engine into every start-up for one short string.
QString FourDigitYearFormat(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString widened;
    widened.reserve(format.size() + 2);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            widened += c;
            ++i;
            continue;
        }
        if (quoted || c != u'y') {
            widened += c;
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i + run < format.size() && format.at(i + run) == u'y')
            ++run;
        widened += run == 2 ? QStringLiteral("yyyy") : format.mid(i, run);
        i += run;
    }
    return widened;
}

} // namespace

QString ShortDateText(const QDate& date, const QLocale& locale) {
    if (!date.isValid())
        return {};
    return locale.toString(date, FourDigitYearFormat(locale));
}

QDate ParseShortDate(const QString& text, const QLocale& locale) {
    return locale.toDate(text.trimmed(), FourDigitYearFormat(locale));
}

QString StoredDateText(const QDate& date, const QLocale& locale) {
    const QString text = ShortDateText(date, locale);
    if (ScramblesExactly(text.toStdU16String()) && ParseShortDate(text, locale) == date)
        return text;
    return QLocale::c().toString(date, PlainDateFormat);
}

QDate ParseStoredDate(const QString& text, const QLocale& locale) {
    const QDate date = ParseShortDate(text, locale);
    if (date.isValid())
        return date;
    return QLocale::c().toDate(text.trimmed(), PlainDateFormat);
}

} // namespace zodiac
