#pragma once
#include "ZodiacReading.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QFont;
class QPrinter;

namespace zodiac {

// The printer a report goes to: the default printer, else the first one there is; empty when
// there is none.
QString ChooseReportPrinter(const QString& defaultPrinter, const QStringList& available);

// Prints the whole report as one job: laid out on the printer's page in `font`, in the printed
// colours, with no page numbers, and without the empty lines at its end, which would otherwise
// spill onto a sheet of their own. False when the printer reports an error.
bool PrintReport(const ZodiacReading& r, const QLocale& locale, const QFont& font, QPrinter& printer);

} // namespace zodiac
