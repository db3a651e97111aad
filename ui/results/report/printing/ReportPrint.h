#pragma once
#include <QString>
#include <QStringList>

class QPrinter;
class QTextDocument;

namespace zodiac {

// The printer a report goes to: the default printer, else the first one there is; empty when
// there is none.
QString ChooseReportPrinter(const QString& defaultPrinter, const QStringList& available);

// Prints the document as one job, laid out on the printer's page with no page numbers, within
// margins of half an inch. False when the printer reports an error.
bool PrintDocument(QTextDocument& document, QPrinter& printer);

} // namespace zodiac
