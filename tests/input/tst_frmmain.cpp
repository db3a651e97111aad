#include "EndApplication.h"
#include "FileDialogs.h"
#include "MessageBox.h"
#include "RecordFile.h"
#include "RenderCheck.h"
#include "UrlCatcher.h"
#include "frmMain.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

using zodiac::frmMain;

using zodiac::MessageAnswer;
using zodiac::MessageIcon;
using zodiac::ShownMessage;

class tst_frmMain : public QObject {
    Q_OBJECT

private:
    std::vector<ShownMessage> messages;
    QString nextFile;
    int fileDialogs = 0;
    QTemporaryDir dir;

    // What the window handed out with its one hand-over.
    static zodiac::ReadingInput HandedOut(const QSignalSpy& proceeded) {
        return proceeded.at(0).at(0).value<zodiac::ReadingInput>();
    }

    // Looks a control up by name. A missing one fails the current test, naming it; the test goes
    // on with a stand-in that belongs to no window, so that it ends on that message, not a crash.
    template <typename T> static T* Find(QWidget* window, const char* name) {
        if (T* found = window->findChild<T*>(QString::fromLatin1(name)))
            return found;
        QTest::qFail(
            qPrintable(QStringLiteral("the window has no control named %1").arg(QLatin1String(name))),
            __FILE__, __LINE__);
        return new T(); // never freed: the run has failed already
    }

    static void Enter(frmMain* window, const QString& name, int sex, int day, int month,
                      const QString& year) {
        Find<QLineEdit>(window, "txtName")->setText(name);
        if (sex >= 0)
            Find<QRadioButton>(window, sex == 0 ? "optSex_0" : "optSex_1")->setChecked(true);
        Find<QComboBox>(window, "cboDate")->setCurrentIndex(day - 1);
        Find<QComboBox>(window, "cboMonth")->setCurrentIndex(month - 1);
        QComboBox* years = Find<QComboBox>(window, "cboYear");
        years->setCurrentIndex(years->findText(year));
    }

    // The path of the record written, or the empty text (and the test failed) when it cannot be.
    QString WriteRecord(const QString& fileName, const QByteArray& bytes) {
        QFile file(dir.filePath(fileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            QTest::qFail(qPrintable(QStringLiteral("cannot write the test record %1: %2")
                                        .arg(file.fileName(), file.errorString())),
                         __FILE__, __LINE__);
            return {};
        }
        return file.fileName();
    }

    static void CheckFreshWindow(frmMain* window) {
        QComboBox* days = Find<QComboBox>(window, "cboDate");
        QComboBox* months = Find<QComboBox>(window, "cboMonth");
        QComboBox* years = Find<QComboBox>(window, "cboYear");
        QCOMPARE(days->count(), 31);
        QCOMPARE(months->count(), 12);
        QCOMPARE(years->count(), 201);
        QCOMPARE(days->itemText(30), QStringLiteral("31"));
        QCOMPARE(months->itemText(11), QStringLiteral("December"));
        for (int k = 0; k < years->count(); ++k)
            QCOMPARE(years->itemText(k), QString::number(1900 + k));
        QCOMPARE(days->currentText(), QStringLiteral("1"));
        QCOMPARE(months->currentText(), QStringLiteral("January"));
        QCOMPARE(years->currentText(), QStringLiteral("1936"));
        QVERIFY(Find<QLineEdit>(window, "txtName")->text().isEmpty());
        QVERIFY(!Find<QRadioButton>(window, "optSex_0")->isChecked());
        QVERIFY(!Find<QRadioButton>(window, "optSex_1")->isChecked());
        QVERIFY(!Find<QPushButton>(window, "cmdProceed")->isDefault());
        QVERIFY(!Find<QPushButton>(window, "cmdProceed")->autoDefault());
        QVERIFY(!Find<QPushButton>(window, "cmdOpen")->autoDefault());
        // As laid out, the full-brand offer is the one on top.
        QGroupBox* frame = Find<QGroupBox>(window, "fraFullBrand");
        QLabel* fullBrand = Find<QLabel>(window, "lblFullBrand");
        QCOMPARE(frame->childAt(fullBrand->geometry().center()), fullBrand);
    }

private slots:
    void init() {
        messages.clear();
        fileDialogs = 0;
        nextFile.clear();
        zodiac::SetMessageAnswerer([this](const ShownMessage& shown) {
            messages.push_back(shown);
            return MessageAnswer::Ok;
        });
        zodiac::SetFileDialogAnswerer([this](const zodiac::FileDialogRequest& request) {
            ++fileDialogs;
            if (request.kind != zodiac::FileDialogRequest::Open ||
                request.title != QStringLiteral("Select the source file") ||
                request.filter != QStringLiteral("Nerro Free Chinese Astrology (*.str)")) {
                QTest::qFail(qPrintable(QStringLiteral("an unexpected file dialog: %1").arg(request.title)),
                             __FILE__, __LINE__);
                return QString();
            }
            return nextFile;
        });
        zodiac::SetEndApplicationHook([] {});
    }

    // The window as it opens and as filled in, under each palette a desktop theme may give.
    void rendersReadably_data() { AddPaletteRows(); }

    void rendersReadably() {
        QFETCH(QPalette, palette);
        UsePalette(palette);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double opened = VerifyRendering(&window);
        Enter(&window, QStringLiteral("Ann Lee"), 1, 30, 9, QStringLiteral("2019"));
        window.BringBrandLabelToFront(true);
        const double filled = VerifyRendering(&window);
        qInfo("lowest contrast of a coloured text: %.2f:1", std::min(opened, filled));
        UsePalette(TestPalettes().front().palette);
    }

    void cleanup() {
        // Deleting one window deletes its own pop-ups, so hold them by guarded pointers.
        QList<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            windows.append(window);
        for (const QPointer<QWidget>& window : windows)
            if (window && !window->parentWidget())
                window->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void loadsFreshControls() {
        auto* window = new frmMain;
        window->show();
        CheckFreshWindow(window);
        QCOMPARE(window->focusWidget(), Find<QLineEdit>(window, "txtName"));
        QCOMPARE(window->size(), QSize(330, 274));
        QCOMPARE(window->windowTitle(), QStringLiteral("Nerro Chinese Zodiac Software v2.15"));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(Find<QComboBox>(window, "cboDate")->accessibleName(), QStringLiteral("Birth day"));
        QCOMPARE(Find<QComboBox>(window, "cboMonth")->accessibleName(), QStringLiteral("Birth month"));
        QCOMPARE(Find<QComboBox>(window, "cboYear")->accessibleName(), QStringLiteral("Birth year"));
        QComboBox plainList; // Qt 6.8 builds a list's drop-down itself when its first entry is current
        plainList.addItem(QStringLiteral("1"));
        // Qt 6.4 names a list by its entry; what it is comes in the description, and no label may
        // name it, or a screen reader says the label in place of the entry.
        for (const char* list : {"cboDate", "cboMonth", "cboYear"}) {
            auto* box = Find<QComboBox>(window, list);
            QCOMPARE(box->accessibleDescription(), box->accessibleName());
            for (const QLabel* label : window->findChildren<QLabel*>())
                QVERIFY2(label->buddy() != box, list);
            // The drop-down is built when first wanted, not at every start, and with the list's font.
            QVERIFY2(plainList.findChild<QAbstractItemView*>() || !box->findChild<QAbstractItemView*>(), list);
            QCOMPARE(box->view()->font(), box->font());
        }
        QCOMPARE(Find<QLineEdit>(window, "txtName")->accessibleName(), QStringLiteral("Name"));
        QCOMPARE(Find<QPushButton>(window, "cmdProceed")->accessibleName(), QStringLiteral("Proceed"));
        QCOMPARE(Find<QPushButton>(window, "cmdOpen")->accessibleName(),
                 QStringLiteral("Open Previously Saved Record"));
    }

    // A screen reader reads the name box as one run and edits it within its text.
    void nameBoxAccessibleText_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("expected");
        QTest::newRow("insert at the end") << 7 << 7 << QStringLiteral("e") << "Ann Leee";
        QTest::newRow("insert at the start") << 0 << 0 << QStringLiteral("J") << "JAnn Lee";
        QTest::newRow("delete a word") << 3 << 7 << QString() << "Ann";
        QTest::newRow("replace a letter") << 0 << 1 << QStringLiteral("J") << "Jnn Lee";
        QTest::newRow("past the end") << 2 << 9 << QString() << "Ann Lee";
        QTest::newRow("before the start") << -1 << 2 << QStringLiteral("x") << "Ann Lee";
        QTest::newRow("reversed") << 4 << 2 << QString() << "Ann Lee";
    }

    void nameBoxAccessibleText() {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, insert);
        QFETCH(QString, expected);
        frmMain window;
        auto* name = Find<QLineEdit>(&window, "txtName");
        name->setText(QStringLiteral("Ann Lee"));
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(name);
        QVERIFY(box && box->textInterface() && box->editableTextInterface());
        for (int offset = 0; offset <= 7; ++offset) {
            int runStart = -2, runEnd = -2;
            box->textInterface()->attributes(offset, &runStart, &runEnd);
            QCOMPARE(std::pair(runStart, runEnd), std::pair(0, 7));
        }
        box->editableTextInterface()->replaceText(start, end, insert);
        QCOMPARE(name->text(), expected);
        QCOMPARE(box->textInterface()->text(0, box->textInterface()->characterCount()), expected);
    }

    void validationMessages_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const QString name = QStringLiteral("Name");
        const QString feb = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        QTest::newRow("empty name, no sex") << QString() << -1 << 1 << 1 << "1980"
                                            << "Please Enter Your Name"
                                            << "txtName";
        QTest::newRow("no sex") << name << -1 << 1 << 1 << "1980"
                                << "Please Specify Your Sex"
                                << "cmdProceed";
        QTest::newRow("29 Feb 1937") << name << 0 << 29 << 2 << "1937" << feb << "";
        QTest::newRow("30 Feb 2000") << name << 1 << 30 << 2 << "2000" << feb << "";
        QTest::newRow("29 Feb 1900") << name << 1 << 29 << 2 << "1900" << feb << "";
        QTest::newRow("29 Feb 2100") << name << 0 << 29 << 2 << "2100" << feb << "";
        QTest::newRow("31 Apr") << name << 0 << 31 << 4 << "1980" << thirty << "";
        QTest::newRow("31 Jun") << name << 0 << 31 << 6 << "1980" << thirty << "";
        QTest::newRow("31 Sep") << name << 1 << 31 << 9 << "1980" << thirty << "";
        QTest::newRow("31 Nov") << name << 1 << 31 << 11 << "1980" << thirty << "";
    }

    void validationMessages() {
        QFETCH(QString, name);
        QFETCH(int, sex);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        QFETCH(QString, focus);

        auto* window = new frmMain;
        window->show();
        QSignalSpy proceeded(window, &frmMain::proceeded);
        QSignalSpy ended(window, &frmMain::endRequested);
        Enter(window, name, sex, day, month, year);
        // Start the focus elsewhere, so that a move shows.
        Find<QComboBox>(window, "cboYear")->setFocus();
        window->cmdProceed_Click();

        QCOMPARE(messages.size(), std::size_t(1));
        QCOMPARE(messages[0].text, message);
        QCOMPARE(messages[0].icon, MessageIcon::Information);
        QVERIFY(!messages[0].yesNo);
        const QString expectedFocus = focus.isEmpty() ? QStringLiteral("cboYear") : focus;
        QCOMPARE(window->focusWidget()->objectName(), expectedFocus);
        QCOMPARE(proceeded.count(), 0);
        QCOMPARE(ended.count(), 0);
        QVERIFY(window->isVisible());
    }

    // The window decides nothing of the reading: it hands out what was entered, blanks and all.
    void handsOutTheInput_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");

        QTest::newRow("first day of the lists") << "Ann" << 1 << 1 << 1 << "1936";
        QTest::newRow("29 Feb 1936") << "Ann" << 1 << 29 << 2 << "1936";
        QTest::newRow("last day, padded name") << "  Fay  " << 1 << 31 << 12 << "2019";
        QTest::newRow("blank name") << "   " << 0 << 31 << 3 << "1980";
    }

    void handsOutTheInput() {
        QFETCH(QString, name);
        QFETCH(int, sex);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, year);

        QPointer<frmMain> window = new frmMain;
        window->show();
        QSignalSpy proceeded(window.data(), &frmMain::proceeded);
        QSignalSpy ended(window.data(), &frmMain::endRequested);
        int endings = 0;
        zodiac::SetEndApplicationHook([&endings] { ++endings; });
        Enter(window, name, sex, day, month, year);
        QTest::mouseClick(Find<QPushButton>(window, "cmdProceed"), Qt::LeftButton);

        QVERIFY(messages.empty());
        QCOMPARE(proceeded.count(), 1);
        QCOMPARE(ended.count(), 0);
        QCOMPARE(endings, 0);
        const zodiac::ReadingInput input = HandedOut(proceeded);
        QCOMPARE(QString::fromStdString(input.nameText), name);
        QCOMPARE(input.sex, sex == 0 ? zodiac::SexChoice::Male : zodiac::SexChoice::Female);
        QCOMPARE(QString::fromStdString(input.dayText), QString::number(day));
        QCOMPARE(QString::fromStdString(input.monthText), QLocale::c().standaloneMonthName(month));
        QCOMPARE(QString::fromStdString(input.yearText), year);
        // The window has closed itself as the hand-over.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void closeBoxEndsOnce() {
        QPointer<frmMain> window = new frmMain;
        window->show();
        QSignalSpy ended(window.data(), &frmMain::endRequested);
        QVERIFY(window->close());
        QCOMPARE(ended.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void linkLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("key");
        QTest::newRow("Label14") << "Label14"
                                 << "home-page";
        QTest::newRow("Label3") << "Label3"
                                << "home-page";
        QTest::newRow("lblCobrand") << "lblCobrand"
                                    << "co-brand";
        QTest::newRow("lblFullBrand") << "lblFullBrand"
                                      << "fully-branded";
    }

    void linkLabels() {
        QFETCH(QString, label);
        QFETCH(QString, key);
        UrlCatcher catcher;
        auto* window = new frmMain;
        window->show();
        window->BringBrandLabelToFront(label == QStringLiteral("lblCobrand"));
        QLabel* link = Find<QLabel>(window, label.toLatin1().constData());
        // Click where the user sees the label, so a covered brand label could not be hit.
        QWidget* parent = link->parentWidget();
        QWidget* hit = parent->childAt(link->geometry().center());
        QCOMPARE(hit, link);
        QTest::mouseClick(hit, Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls[0].query(), QStringLiteral("page=") + key);
        QVERIFY(catcher.urls[0].path().endsWith(QStringLiteral("/ssd.php")));
        QVERIFY(window->isVisible());
    }

    void openCancelledOrWrongEnding_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << QString() << QString();
        QTest::newRow("capital STR") << "/tmp/reading.STR"
                                     << "Please Check The File.";
        QTest::newRow("other ending") << "/tmp/reading.txt"
                                      << "Please Check The File.";
        QVERIFY(QDir(dir.path()).mkpath("folder.str"));
        QTest::newRow("folder") << dir.filePath("folder.str") << "Please Check The File.";
        QTest::newRow("missing") << dir.filePath("none.str") << "Please Check The File.";
    }

    void openCancelledOrWrongEnding() {
        QFETCH(QString, path);
        QFETCH(QString, message);
        nextFile = path;
        auto* window = new frmMain;
        window->show();
        QSignalSpy proceeded(window, &frmMain::proceeded);
        QTest::mouseClick(Find<QPushButton>(window, "cmdOpen"), Qt::LeftButton);
        QCOMPARE(fileDialogs, 1);
        if (message.isEmpty()) {
            QVERIFY(messages.empty());
        } else {
            QCOMPARE(messages.size(), std::size_t(1));
            QCOMPARE(messages[0].text, message);
            QCOMPARE(messages[0].icon, MessageIcon::Critical);
        }
        QCOMPARE(proceeded.count(), 0);
        CheckFreshWindow(window);
    }

    void openRecord_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("sex");

        const auto record = [](const QString& name, const QString& sex, const QString& day,
                               const QString& month, const QString& year) {
            return zodiac::BuildRecordBytes({name, sex, day, month, year});
        };
        QTest::newRow("female") << record("Eve", "Female", "7", "January", "1980") << QString() << "Female";
        QTest::newRow("male") << record("Max", "Male", "11", "February", "1937") << QString() << "Male";
        QTest::newRow("empty name") << record("", "Male", "1", "March", "1990") << "Please Enter Your Name"
                                    << "Male";
        QTest::newRow("unknown sex") << record("Kim", "male", "1", "March", "1990")
                                     << "Please Specify Your Sex"
                                     << "";
        QTest::newRow("year 1900") << record("Ida", "Female", "1", "January", "1900") << QString()
                                   << "Female";
        QTest::newRow("year 2100") << record("Ida", "Female", "31", "December", "2100") << QString()
                                   << "Female";
        QTest::newRow("year 1899") << record("Kim", "Male", "1", "March", "1899") << "Please Check The File."
                                   << "";
        QTest::newRow("year 2101") << record("Kim", "Male", "1", "March", "2101") << "Please Check The File."
                                   << "";
        QTest::newRow("day 32") << record("Kim", "Male", "32", "March", "1990") << "Please Check The File."
                                << "";
        QTest::newRow("month in lower case")
            << record("Kim", "Male", "1", "march", "1990") << "Please Check The File."
            << "";
        QByteArray three = record("Kim", "Male", "1", "March", "1990");
        three.truncate(three.indexOf("\r\n", three.indexOf("\r\n", three.indexOf("\r\n") + 2) + 2) + 2);
        QTest::newRow("three lines") << three << "Please Check The File."
                                     << "";
    }

    void openRecord() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, sex);
        nextFile = WriteRecord(QStringLiteral("reading.str"), bytes);
        QPointer<frmMain> window = new frmMain;
        window->show();
        QSignalSpy proceeded(window.data(), &frmMain::proceeded);
        QSignalSpy ended(window.data(), &frmMain::endRequested);
        QTest::mouseClick(Find<QPushButton>(window, "cmdOpen"), Qt::LeftButton);

        QCOMPARE(ended.count(), 0);
        if (message.isEmpty()) {
            QVERIFY(messages.empty());
            QCOMPARE(proceeded.count(), 1);
            const zodiac::RecordReadResult parsed = zodiac::ParseRecordBytes(bytes);
            const zodiac::ReadingInput input = HandedOut(proceeded);
            QCOMPARE(QString::fromStdString(input.nameText), parsed.values.name);
            QCOMPARE(input.sex,
                     sex == QStringLiteral("Male") ? zodiac::SexChoice::Male : zodiac::SexChoice::Female);
            QCOMPARE(QString::fromStdString(input.dayText), parsed.values.day);
            QCOMPARE(QString::fromStdString(input.monthText), parsed.values.month);
            QCOMPARE(QString::fromStdString(input.yearText), parsed.values.year);
            return;
        }
        QCOMPARE(messages.size(), std::size_t(1));
        QCOMPARE(messages[0].text, message);
        QCOMPARE(proceeded.count(), 0);
        QVERIFY(window->isVisible());
        if (message == QStringLiteral("Please Check The File.")) {
            QCOMPARE(messages[0].icon, MessageIcon::Critical);
            CheckFreshWindow(window);
        } else {
            QCOMPARE(Find<QRadioButton>(window, "optSex_0")->isChecked(), sex == QStringLiteral("Male"));
            QVERIFY(!Find<QRadioButton>(window, "optSex_1")->isChecked());
            QCOMPARE(Find<QComboBox>(window, "cboMonth")->currentText(), QStringLiteral("March"));
        }
    }

    void openUnknownSexClearsEarlierChoice() {
        nextFile = WriteRecord(QStringLiteral("nosex.str"),
                               zodiac::BuildRecordBytes({"Kim", "", "1", "May", "1990"}));
        auto* window = new frmMain;
        window->show();
        Find<QRadioButton>(window, "optSex_1")->setChecked(true);
        window->cmdOpen_Click();
        QCOMPARE(messages.size(), std::size_t(1));
        QCOMPARE(messages[0].text, QStringLiteral("Please Specify Your Sex"));
        QVERIFY(!Find<QRadioButton>(window, "optSex_0")->isChecked());
        QVERIFY(!Find<QRadioButton>(window, "optSex_1")->isChecked());
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
