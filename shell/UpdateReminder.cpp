#include "UpdateReminder.h"

#include "MessageBox.h"
#include "SettingsStore.h"
#include "WebLinks.h"

namespace zodiac {

namespace {
const QString DurationKey = QStringLiteral("Duration");
constexpr int ReminderDistanceDays = 14;

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
    return locale.toString(date, FourDigitYearFormat(locale));
}

QDate ParseShortDate(const QString& text, const QLocale& locale) {
    return locale.toDate(text.trimmed(), FourDigitYearFormat(locale));
}

void ShowUpdateReminder(const QDate& today, const QLocale& locale) {
    const QString stored = ReadSetting(DurationKey);
    if (stored.isEmpty()) {
        // First start: remember the day, ask nothing.
        static_cast<void>(WriteSetting(DurationKey, ShortDateText(today, locale)));
        return;
    }

    const QDate last = ParseShortDate(stored, locale);
    if (!last.isValid()) {
        // Unreadable (say, after a change of date format): stay silent and keep the value.
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -ReminderDistanceDays && days <= ReminderDistanceDays) {
        return;
    }

    const MessageAnswer answer =
        ShowMessage(nullptr,
                    QStringLiteral("There maybe an update to this software available") + u'\n' +
                        QStringLiteral("Do you want to check for an update?"),
                    MessageIcon::Information, true);
    if (!WriteSetting(DurationKey, ShortDateText(today, locale))) {
        return;
    }
    if (answer == MessageAnswer::Yes) {
        OpenWebPage(QStringLiteral("download-web-page"));
    }
}

} // namespace zodiac
