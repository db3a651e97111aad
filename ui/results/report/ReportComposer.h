#pragma once
#include "ZodiacReading.h"

#include <QColor>
#include <QLocale>

class QFont;
class QPalette;
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

// The report as it goes on paper: in `font`, in the printed colours, long words broken rather than
// run off the sheet, and without the empty lines at its end, which would otherwise spill onto a
// sheet of their own.
void ComposePrintedReport(QTextDocument& doc, const ZodiacReading& r, const QLocale& locale,
                          const QFont& font);

} // namespace zodiac
