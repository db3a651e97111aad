#include "NewYearTable.h"
#include "ReportComposer.h"
#include "ReportPrint.h"
#include "SignDetermination.h"

#include <QFont>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace zodiac;

namespace {

ZodiacReading ReadingFor(const std::string& name, int year) {
    ZodiacReading r;
    DetermineSign(r, BuildNewYearTable(),
                  ReadingInput{name, SexChoice::Female, "14", "September", std::to_string(year)});
    return r;
}

QFont ReportFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    return font;
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

class tst_ReportPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // Prints to a PDF file through the same path as the Print button; returns the file.
    QString PrintToPdf(const ZodiacReading& r, QPageSize::PageSizeId paper, const QString& name) {
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(paper));
        QTextDocument report;
        ComposePrintedReport(report, r, QLocale::c(), ReportFont());
        if (!PrintDocument(report, printer))
            return {};
        return pdf;
    }

    static int PageCount(const QString& pdf) {
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                                  .match(Run(QStringLiteral("pdfinfo"), {pdf}));
        return pages.hasMatch() ? pages.captured(1).toInt() : -1;
    }

    static QString PageText(const QString& pdf, int page) {
        return Run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                    QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }

private slots:
    void choosesPrinter_data() {
        QTest::addColumn<QString>("defaultPrinter");
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the default") << "Office" << QStringList{"Attic", "Office"} << "Office";
        QTest::newRow("no default: the first") << "" << QStringList{"Attic", "Office"} << "Attic";
        QTest::newRow("no printer at all") << "" << QStringList{} << "";
        QTest::newRow("a default only") << "Remote" << QStringList{} << "Remote";
    }

    void choosesPrinter() {
        QFETCH(QString, defaultPrinter);
        QFETCH(QStringList, available);
        QFETCH(QString, chosen);
        QCOMPARE(ChooseReportPrinter(defaultPrinter, available), chosen);
    }

    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    }

    void printsLabelsAndValues() {
        const QString pdf = PrintToPdf(ReadingFor("Ann Lee", 1938), QPageSize::A4, QStringLiteral("labels"));
        QVERIFY(!pdf.isEmpty());
        const QString text = PageText(pdf, 1);
        for (const char* expected :
             {"Name: Ann Lee", "Sign: Tiger", "Element: Earth: ", "Ruling Planet: Uranus",
              "GemStone: Sapphire", "Famous Persons of this Star Sign are: "})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        // Nothing the report does not hold, such as a page number, is printed.
        QVERIFY2(!QRegularExpression(QStringLiteral("^\\s*1\\s*$"), QRegularExpression::MultilineOption)
                      .match(text)
                      .hasMatch(),
                 qPrintable(text.right(200)));
    }

    // Every sign's report of an ordinary reading fits one sheet of A4 and of Letter.
    void ordinaryReadingIsOnePage_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        for (int year = 1936; year < 1948; ++year) {
            const std::string sign = ReadingFor("Ann", year).Sign;
            QTest::addRow("%s, A4", sign.c_str()) << year << QPageSize::A4;
            QTest::addRow("%s, Letter", sign.c_str()) << year << QPageSize::Letter;
        }
    }

    void ordinaryReadingIsOnePage() {
        QFETCH(int, year);
        QFETCH(QPageSize::PageSizeId, paper);
        const QString pdf = PrintToPdf(ReadingFor("Ann Lee", year), paper, QStringLiteral("ordinary"));
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PageCount(pdf), 1);
        QVERIFY(PageText(pdf, 1).contains(QStringLiteral("Famous Persons of this Star Sign are: ")));
    }

    // The longest name the program takes, on the longest profile: as many sheets as the text needs,
    // every one of them with text on it, and the whole name on paper (none of it off the edge).
    void longestReadingHasNoEmptyPage() {
        int longestYear = 1936;
        std::size_t longest = 0;
        for (int year = 1936; year < 1948; ++year) {
            const ZodiacReading r = ReadingFor("", year);
            const std::size_t length = r.ElementDescription.size() + r.PositiveTraits.size() +
                                       r.NegativeTraits.size() + r.FamousPersons.size();
            if (length > longest) {
                longest = length;
                longestYear = year;
            }
        }
        const std::string name(32767, 'W');
        const QString pdf =
            PrintToPdf(ReadingFor(name, longestYear), QPageSize::Letter, QStringLiteral("longest"));
        QVERIFY(!pdf.isEmpty());
        const int pages = PageCount(pdf);
        QVERIFY(pages > 1);
        qsizetype printedW = 0;
        for (int page = 1; page <= pages; ++page) {
            const QString text = PageText(pdf, page);
            QVERIFY2(!text.trimmed().isEmpty(),
                     qPrintable(QStringLiteral("page %1 of %2 is blank").arg(page).arg(pages)));
            printedW += text.count(QLatin1Char('W'));
        }
        qInfo("the longest reading takes %d pages", pages);
        QVERIFY2(printedW >= 32767,
                 qPrintable(QStringLiteral("%1 of the name's 32767 letters printed").arg(printedW)));
    }
};

QTEST_MAIN(tst_ReportPdf)
#include "tst_reportpdf.moc"
