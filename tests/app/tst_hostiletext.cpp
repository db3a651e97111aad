// Names that are not what a name should be, typed by the user or read from a record file someone
// sent: each is shown as the text it is, in every window, and the program stays alive and small.
#include "ApplicationFlow.h"
#include "EndApplication.h"
#include "FileDialogs.h"
#include "MessageBox.h"
#include "RecordFile.h"
#include "SignDetermination.h"
#include "WhenModal.h"
#include "frmAbout.h"
#include "frmSave.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

using zodiac::frmMain;
using zodiac::frmSignDetails;

namespace {

// A name that made the program swallow memory would never return to the test, so a watchdog
// stops the run with a clear message instead of leaving it to the machine's memory killer.
constexpr long MemoryLimitKiB = 400 * 1024;

long StatusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

class MemoryWatchdog {
public:
    MemoryWatchdog()
        : thread_([this] {
              while (!stop_) {
                  const long resident = StatusKiB("VmRSS:");
                  if (resident > MemoryLimitKiB) {
                      std::fprintf(stderr, "FAIL: resident memory reached %ld KiB (limit %ld KiB)\n",
                                   resident, MemoryLimitKiB);
                      std::abort();
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          }) {}
    ~MemoryWatchdog() {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Fails the current test for every label of every window that would read its text as markup.
void VerifyNoRichTextAnywhere(const QString& where) {
    for (QWidget* widget : QApplication::allWidgets()) {
        // An icon's label carries no text to read.
        if (const auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            QVERIFY2(label->textFormat() == Qt::PlainText,
                     qPrintable(QStringLiteral("%1: label %2 (\"%3\") may show rich text")
                                    .arg(where, label->objectName(), label->text().left(40))));
        }
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(where + ": a tool tip on " + widget->objectName()));
    }
}

} // namespace

class tst_HostileText : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString nextFile;
    QStringList messages;
    std::unique_ptr<MemoryWatchdog> watchdog;

    static QString LocalPicture(const QTemporaryDir& dir) {
        const QString path = dir.filePath(QStringLiteral("picture.png"));
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(path);
        return path;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           dir.filePath(QStringLiteral("config")));
        zodiac::SetEndApplicationHook([] {});
        zodiac::SetMessageAnswerer([this](const zodiac::ShownMessage& shown) {
            messages << shown.text;
            return zodiac::MessageAnswer::Ok;
        });
        zodiac::SetFileDialogAnswerer([this](const zodiac::FileDialogRequest&) { return nextFile; });
        watchdog = std::make_unique<MemoryWatchdog>();
    }

    void cleanupTestCase() {
        watchdog.reset();
        const long peak = StatusKiB("VmHWM:");
        qInfo("peak resident memory %ld KiB", peak);
        QVERIFY(peak > 0 && peak < MemoryLimitKiB);
    }

    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void shownAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fromRecord");
        const QList<QPair<const char*, QString>> names = {
            {"heading markup", QStringLiteral("<h1>Ann</h1>")},
            {"image of /dev/zero", QStringLiteral("Ann <img src=\"/dev/zero\">")},
            {"image of a local file",
             QStringLiteral("<img src=\"%1\" width=\"400\">").arg(LocalPicture(dir))},
            {"table and entities", QStringLiteral("<table><tr><td>&lt;b&gt; &amp; &#65;</td></tr></table>")},
            {"over-long line",
             QStringLiteral("<b>") + QString(32767 - 7, QLatin1Char('W')) + QStringLiteral("</b>")},
            {"control characters", QStringLiteral("Ann\tLee\x1b[31m\x08\x0c\x01\x7f Red")},
            {"an address", QStringLiteral("Ann https://www.example.org/<script>?q=\"x\"&y=1 Lee")},
            {"blanks around markup", QStringLiteral("   <i>Ann</i>   ")},
        };
        for (const auto& [tag, name] : names) {
            QTest::newRow(qPrintable(QStringLiteral("%1, typed").arg(QLatin1String(tag)))) << name << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, from a record").arg(QLatin1String(tag))))
                << name << true;
        }
    }

    void shownAsTyped() {
        QFETCH(QString, name);
        QFETCH(bool, fromRecord);
        messages.clear();
        const QString trimmed = QString::fromStdString(zodiac::TrimBlanks(name.toStdString()));

        zodiac::ApplicationFlow flow(1);
        frmMain* main = flow.ShowMainWindow();
        if (fromRecord) {
            nextFile = dir.filePath(QStringLiteral("hostile.str"));
            QVERIFY(zodiac::RecordValueProblem(name).isEmpty());
            QVERIFY(zodiac::WriteRecordFile(nextFile, {name, "Female", "1", "January", "1936"}).ok);
            QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
        } else {
            auto* box = main->findChild<QLineEdit*>(QStringLiteral("txtName"));
            box->insert(name); // as pasted: a tab cannot be typed into a one-line box
            QCOMPARE(box->text(), name);
            QTest::mouseClick(main->findChild<QRadioButton*>(QStringLiteral("optSex_1")), Qt::LeftButton, {},
                              QPoint(5, 5));
            QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdProceed")), Qt::LeftButton);
        }
        QCOMPARE(messages, QStringList());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmSignDetails* details = flow.SignDetails();
        QVERIFY(details);
        QVERIFY(details->isVisible());

        auto* lblName = details->findChild<QLabel*>(QStringLiteral("lblName"));
        QCOMPARE(lblName->text(), QStringLiteral("Ms. ") + trimmed);
        QCOMPARE(lblName->accessibleName(), lblName->text());
        VerifyNoRichTextAnywhere(QStringLiteral("details window"));

        // The report, opened modally by Print: the name as typed, then the line breaks.
        QString reportText;
        bool reportWalked = false;
        WhenModal<zodiac::frmSave>([&](zodiac::frmSave* report) {
            reportText = report->findChild<QTextEdit*>(QStringLiteral("RTB"))->toPlainText();
            VerifyNoRichTextAnywhere(QStringLiteral("report window"));
            reportWalked = !QTest::currentTestFailed();
            report->reject();
        });
        details->cmdPrint_Click();
        QTRY_VERIFY(reportWalked);
        QVERIFY2(reportText.startsWith(QStringLiteral("Name: ") + trimmed +
                                       QStringLiteral("\n\n\nDate of Birth: ")),
                 qPrintable(reportText.left(80)));

        // The About window over it.
        bool aboutWalked = false;
        WhenModal<zodiac::frmAbout>([&](zodiac::frmAbout* about) {
            VerifyNoRichTextAnywhere(QStringLiteral("About window"));
            aboutWalked = !QTest::currentTestFailed();
            about->close();
        });
        details->mnuAbout_Click();
        QTRY_VERIFY(aboutWalked);

        QVERIFY2(StatusKiB("VmRSS:") < MemoryLimitKiB, "resident memory above the limit");
    }

    // A real message box shows the text it is given as text, as the save's messages name the file.
    void messageBoxShowsPlainText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("markup") << QStringLiteral(
            "The file \"<h1>x</h1>.str\" could not be saved: <b>full</b>");
        QTest::newRow("image") << QStringLiteral("<img src=\"/dev/zero\">");
        QTest::newRow("entities") << QStringLiteral("&lt;b&gt; &amp;");
    }

    void messageBoxShowsPlainText() {
        QFETCH(QString, text);
        zodiac::SetMessageAnswerer(nullptr);
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (label) {
                shown = label->text();
                format = label->textFormat();
            }
            VerifyNoRichTextAnywhere(QStringLiteral("message box"));
            box->button(QMessageBox::Ok)->click();
        });
        zodiac::ShowMessage(nullptr, text, zodiac::MessageIcon::Critical);
        zodiac::SetMessageAnswerer([this](const zodiac::ShownMessage& m) {
            messages << m.text;
            return zodiac::MessageAnswer::Ok;
        });
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(tst_HostileText)
#include "tst_hostiletext.moc"
