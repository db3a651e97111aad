#pragma once
#include <QDate>
#include <QLocale>

namespace zodiac {

// Now and then asks whether to look for a newer version, keeping the last due date in the
// setting "Duration"; on Yes opens the download page.
void ShowUpdateReminder(const QDate& today, const QLocale& locale = QLocale::system());

} // namespace zodiac
