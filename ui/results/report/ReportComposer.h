#pragma once
#include "ZodiacReading.h"

#include <QColor>
#include <QLocale>

class QFont;
class QPalette;
class QPrinter;
class QTextDocument;

namespace zodiac {

// The colours of the report's two kinds of run.
struct ReportColors {
    QColor label;
    QColor value;
};

// On paper: bold dark red labels and black values, on white.
ReportColors PrintedReportColors();
// On screen: the same where they read well on the report's background; on a dark or high-contrast
// theme, colours moved just far enough towards the theme's text colour to read.
ReportColors ScreenReportColors(const QPalette& palette);

// Replaces the document's contents with the fifteen-entry report of the reading: each label bold,
// each value regular and followed by three line breaks.
void ComposeReport(QTextDocument& doc, const ZodiacReading& r, const QLocale& locale,
                   const ReportColors& colors = PrintedReportColors());

// Prints the whole report as one job: laid out on the printer's page in `font`, in the printed
// colours, with no page numbers, and without the empty lines at its end, which would otherwise
// spill onto a sheet of their own. False when the printer reports an error.
bool PrintReport(const ZodiacReading& r, const QLocale& locale, const QFont& font, QPrinter& printer);

} // namespace zodiac
