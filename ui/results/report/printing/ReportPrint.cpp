#include "ReportPrint.h"

#include "PrintingModule.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <type_traits>

namespace zodiac {

QString ChooseReportPrinter(const QString& defaultPrinter, const QStringList& available) {
    if (!defaultPrinter.isEmpty())
        return defaultPrinter;
    return available.isEmpty() ? QString() : available.front();
}

bool PrintDocument(QTextDocument& document, QPrinter& printer) {
    // Half an inch all round, as the narrow margins of word processors: wide enough to hold and
    // file the sheet, narrow enough that an ordinary reading fits one sheet of A4 or Letter.
    printer.setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
    // Laid out on the printer's own page: a document with a page size prints as it is, with no
    // page numbers added.
    document.documentLayout()->setPaintDevice(&printer);
    document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    document.print(&printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

} // namespace zodiac

// Loaded by the report window when the user prints, so that Qt's print support is loaded then
// and not at every start of the program.
extern "C" Q_DECL_EXPORT zodiac::PrintOutcome
ZodiacPrintReportDocument(QTextDocument& document, const QString& title, QString& printer) {
    using namespace zodiac;
    static_assert(std::is_same_v<decltype(&ZodiacPrintReportDocument), PrintReportDocument>);
    const QString chosen =
        ChooseReportPrinter(QPrinterInfo::defaultPrinterName(), QPrinterInfo::availablePrinterNames());
    const QPrinterInfo target = chosen.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(chosen);
    if (target.isNull())
        return PrintOutcome::NoPrinter;
    printer = target.printerName();
    QPrinter job(target, QPrinter::HighResolution);
    job.setDocName(title);
    if (!job.isValid())
        return PrintOutcome::PrinterUnusable;
    return PrintDocument(document, job) ? PrintOutcome::Printed : PrintOutcome::Failed;
}
