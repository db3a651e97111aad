#include "MessageBox.h"
#include "SignDetermination.h"
#include "frmSave.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace zodiac;

namespace {

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000))
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// cups-pdf names its output after the job title, so a new job may replace an older file of the same
// name: look for a PDF written since the print began.
QString PdfWrittenSince(const QString& folder, const QDateTime& since) {
    for (const QFileInfo& info : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time)) {
        if (info.lastModified() >= since && info.size() > 0)
            return info.filePath();
    }
    return {};
}

} // namespace

// Prints a real report through the print spooler onto the PDF queue that scripts/test sets up.
class tst_ReportSpooler : public QObject {
    Q_OBJECT

private slots:
    void printGoesThroughTheSpooler() {
        const QString defaultLine = Run("lpstat", {"-d"});
        // "no system default destination" when there is none.
        if (!defaultLine.startsWith("system default destination")) {
            if (qEnvironmentVariable("CI") == "true")
                QFAIL("CI must have a default print queue (scripts/lib/printer-setup)");
            QSKIP("No default print queue: cupsd is not running or no queue could be created "
                  "(scripts/lib/printer-setup needs root)");
        }
        const QString outFolder = QDir::homePath() + "/PDF";
        // File times have whole-second precision on some file systems.
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        const QString completedBefore = Run("lpstat", {"-W", "completed", "-o"});

        QList<ShownMessage> messages;
        SetMessageAnswerer([&](const ShownMessage& m) {
            messages.append(m);
            return MessageAnswer::Ok;
        });
        ZodiacReading reading;
        const auto table = BuildNewYearTable();
        DetermineSign(reading, table, ReadingInput{"Spooler Test", SexChoice::Male, "7", "January", "1980"});
        frmSave window(reading);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QVERIFY2(messages.isEmpty(), messages.isEmpty() ? "" : qPrintable(messages[0].text));

        QTRY_VERIFY_WITH_TIMEOUT(!PdfWrittenSince(outFolder, started).isEmpty(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(Run("lpstat", {"-W", "completed", "-o"}).size() > completedBefore.size(),
                                 30000);
        // An ordinary reading comes out on one sheet.
        const QString info = Run("pdfinfo", {PdfWrittenSince(outFolder, started)});
        if (!info.isEmpty())
            QVERIFY2(QRegularExpression("Pages:\\s+1\\n").match(info).hasMatch(), qPrintable(info));
        SetMessageAnswerer({});
    }
};

QTEST_MAIN(tst_ReportSpooler)
#include "tst_reportspooler.moc"
