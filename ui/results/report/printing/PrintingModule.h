// What the report window and the printing module it loads agree on.
#pragma once
#include <QString>

class QTextDocument;

namespace zodiac {

// How a print went.
enum class PrintOutcome {
    Printed,
    NoPrinter,       // neither a default printer nor any other
    PrinterUnusable, // the chosen printer cannot be opened
    Failed,          // the printer reported an error
};

// The module's one entry point, by its name: prints `document` as one job titled `title` on the
// default printer, else on the first one there is, and tells which printer that was.
using PrintReportDocument = PrintOutcome (*)(QTextDocument& document, const QString& title, QString& printer);
inline constexpr char PrintReportDocumentName[] = "ZodiacPrintReportDocument";

} // namespace zodiac
