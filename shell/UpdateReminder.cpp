#include "UpdateReminder.h"

#include "MessageBox.h"
#include "SettingsStore.h"
#include "WebLinks.h"

#include <QRegularExpression>

namespace zodiac {

namespace {
const QString DurationKey = QStringLiteral("Duration");
constexpr int ReminderDistanceDays = 14;

QString FourDigitYearFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
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
