#include "UpdateReminder.h"

#include "MessageBox.h"
#include "SettingsStore.h"
#include "ShortDate.h"
#include "WebLinks.h"

namespace zodiac {

namespace {
const QString DurationKey = QStringLiteral("Duration");
constexpr int ReminderDistanceDays = 14;
} // namespace

void ShowUpdateReminder(const QDate& today, const QLocale& locale) {
    const StoredSetting stored = ReadStoredSetting(DurationKey);
    if (stored.kind == StoredSetting::Absent ||
        (stored.kind == StoredSetting::Text && stored.text.isEmpty())) {
        // First start: remember the day, ask nothing.
        static_cast<void>(WriteSetting(DurationKey, StoredDateText(today, locale)));
        return;
    }

    // A value that is no text at all (a list, say, from a hand-edited file) is no date either.
    const QDate last = ParseStoredDate(stored.text, locale);
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
    if (!WriteSetting(DurationKey, StoredDateText(today, locale))) {
        return;
    }
    if (answer == MessageAnswer::Yes) {
        OpenWebPage(QStringLiteral("download-web-page"));
    }
}

} // namespace zodiac
