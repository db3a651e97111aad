#include "ReportComposer.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace zodiac;

class TestReportPdf : public QObject {
    Q_OBJECT

private slots:
    void printsLabelsAndValues();
};

void TestReportPdf::printsLabelsAndValues() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ZodiacReading r;
    r.Name = "Ann Lee";
    r.Sign = "Tiger";
    r.Element = "Fire";
    r.ElementDescription = "Warm and bright.";
    r.FamousPersons = "Nobody Famous";
    QTextDocument doc;
    ComposeReport(doc, r, QLocale::c());
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    doc.print(&printer);
    QProcess tool;
    tool.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    const QString text = QString::fromUtf8(tool.readAllStandardOutput());
    for (const char* expected :
         {"Name: Ann Lee", "Sign: Tiger", "Element: Fire: Warm and bright.",
          "Ruling Planet:", "GemStone:", "Famous Persons of this Star Sign are: Nobody Famous"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
}

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
