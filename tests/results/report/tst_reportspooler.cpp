#include "MessageBox.h"
#include "SignDetermination.h"
#include "frmSave.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
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

QStringList PdfFiles(const QString& folder) {
    return QDir(folder).entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

} // namespace

// Prints a real report through the print spooler onto the PDF queue that scripts/test sets up.
class TestReportSpooler : public QObject {
    Q_OBJECT

private slots:
    void printGoesThroughTheSpooler() {
        const QString defaultLine = Run("lpstat", {"-d"});
        if (!defaultLine.contains("system default destination")) {
            if (qEnvironmentVariable("CI") == "true")
                QFAIL("CI must have a default print queue (scripts/lib/printer-setup)");
            QSKIP("No default print queue: cupsd is not running or no queue could be created "
                  "(scripts/lib/printer-setup needs root)");
        }
        const QString outFolder = QDir::homePath() + "/PDF";
        const QStringList before = PdfFiles(outFolder);
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

        QStringList after;
        QTRY_VERIFY_WITH_TIMEOUT((after = PdfFiles(outFolder)).size() > before.size(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(Run("lpstat", {"-W", "completed", "-o"}).size() > completedBefore.size(),
                                 30000);
        SetMessageAnswerer({});
    }
};

QTEST_MAIN(TestReportSpooler)
#include "tst_reportspooler.moc"
