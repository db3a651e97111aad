#include "ReportPrint.h"

#include "ReportComposer.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace zodiac {

QString ChooseReportPrinter(const QString& defaultPrinter, const QStringList& available) {
    if (!defaultPrinter.isEmpty())
        return defaultPrinter;
    return available.isEmpty() ? QString() : available.front();
}

bool PrintReport(const ZodiacReading& r, const QLocale& locale, const QFont& font, QPrinter& printer) {
    QTextDocument doc;
    doc.setDefaultFont(font);
    // A name without blanks longer than a line still breaks, rather than running off the paper.
    QTextOption wrapping = doc.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(wrapping);
    ComposeReport(doc, r, locale, PrintedReportColors());

    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    while (end.block().text().isEmpty() && end.block().previous().isValid()) {
        end.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
        end.removeSelectedText();
    }

    // Half an inch all round, as the narrow margins of word processors: wide enough to hold and
    // file the sheet, narrow enough that an ordinary reading fits one sheet of A4 or Letter.
    printer.setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
    // Laid out on the printer's own page: a document with a page size prints as it is, with no
    // page numbers added.
    doc.documentLayout()->setPaintDevice(&printer);
    doc.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    doc.print(&printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

} // namespace zodiac
