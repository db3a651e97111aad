#pragma once
#include "ZodiacReading.h"

#include <QColor>
#include <QDate>
#include <QLocale>
#include <QString>

class QTextDocument;

namespace zodiac {

// Colour of the report's label runs.
inline const QColor ReportLabelColor(128, 0, 0);

// Replaces the document's contents with the fifteen-entry report of the reading: each label bold dark
// red, each value regular black and followed by three line breaks.
void ComposeReport(QTextDocument& doc, const ZodiacReading& r, const QLocale& locale);

} // namespace zodiac
