#include "FileDialogs.h"
#include "MessageBox.h"
#include "RecordFile.h"
#include "RenderCheck.h"
#include "ReportComposer.h"
#include "SignDetermination.h"
#include "UrlCatcher.h"
#include "frmSave.h"
#include "modRTB.h"

#include <QClipboard>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

using namespace zodiac;

class tst_frmSave : public QObject {
    Q_OBJECT

    UrlCatcher catcher{{QStringLiteral("https"), QStringLiteral("http"), QStringLiteral("file")}};
    QList<ShownMessage> messages;

    ZodiacReading Reading(const std::string& name) {
        ZodiacReading r;
        const auto table = BuildNewYearTable();
        DetermineSign(r, table, ReadingInput{name, SexChoice::Female, "7", "January", "1980"});
        return r;
    }

    // Presses the left button on the first character of the text, in the report's viewport.
    static void PressOn(QTextEdit* area, const QString& text, Qt::MouseButton button = Qt::LeftButton) {
        const int at = area->toPlainText().indexOf(text);
        QVERIFY(at >= 0);
        QTextCursor cursor(area->document());
        cursor.setPosition(at + 1);
        area->ensureCursorVisible();
        const QPoint p = area->cursorRect(cursor).center();
        QTest::mousePress(area->viewport(), button, {}, p);
        QTest::mouseRelease(area->viewport(), button, {}, p);
    }

private slots:
    void initTestCase() {
        SetMessageAnswerer([this](const ShownMessage& m) {
            messages.append(m);
            return MessageAnswer::Ok;
        });
    }
    void init() {
        catcher.urls.clear();
        messages.clear();
    }

    // The report under each palette a desktop theme may give: readable on screen, while the
    // colours it prints stay those of the paper.
    void rendersReadably_data() { AddPaletteRows(); }

    void rendersReadably() {
        QFETCH(QPalette, palette);
        UsePalette(palette);
        for (const bool coBrandFront : {true, false}) {
            frmSave window(Reading("Ann Lee"));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (!coBrandFront)
                window.findChild<QWidget*>("lblFullBrand")->raise();
            qInfo("lowest contrast of a coloured text: %.2f:1", VerifyRendering(&window));
        }
        const ReportColors printed = PrintedReportColors();
        QCOMPARE(printed.label, QColor(128, 0, 0));
        QCOMPARE(printed.value, QColor(0, 0, 0));
        UsePalette(TestPalettes().front().palette);
    }

    // A theme changed while the report is open: the report follows it, background and colours.
    void followsAThemeChange() {
        const QList<TestPalette> palettes = TestPalettes();
        UsePalette(palettes.front().palette);
        frmSave window(Reading("Ann Lee"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const TestPalette& palette : palettes) {
            UsePalette(palette.palette);
            QCoreApplication::processEvents();
            VerifyRendering(&window);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("after a change to the %1 palette").arg(palette.name)));
        }
        UsePalette(palettes.front().palette);
    }

    // On a light desktop the report is drawn in exactly the colours it prints in.
    void lightReportKeepsPrintedColours() {
        UsePalette(TestPalettes().front().palette);
        frmSave window(Reading("Ann"));
        QTextDocument* doc = window.findChild<QTextEdit*>("RTB")->document();
        const QTextBlock first = doc->begin();
        auto fragment = first.begin().fragment();
        QCOMPARE(fragment.text(), QStringLiteral("Name: "));
        QCOMPARE(fragment.charFormat().foreground().color(), QColor(128, 0, 0));
        fragment = (++first.begin()).fragment();
        QCOMPARE(fragment.text(), QStringLiteral("Ann"));
        QCOMPARE(fragment.charFormat().foreground().color(), QColor(0, 0, 0));
    }

    void clipboardEmptiedOnOpenAndMove() {
        QGuiApplication::clipboard()->setText("secret");
        frmSave window(Reading("Ann"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QGuiApplication::clipboard()->setText("again");
        auto* area = window.findChild<QTextEdit*>("RTB");
        QTest::mouseMove(area->viewport(), QPoint(20, 20));
        QTest::mouseMove(area->viewport(), QPoint(40, 30));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QVERIFY(area->isReadOnly());
    }

    // Nothing of the report reaches a clipboard: not by selecting it with the mouse (which on X11
    // and Wayland desktops copies it for a middle-click paste), nor by the copy keys, nor by a menu.
    void reportIsNotCopied_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("mouse selection") << "mouse";
        QTest::newRow("select all and copy keys") << "keys";
        QTest::newRow("double-click on a word") << "word";
    }

    void reportIsNotCopied() {
        QFETCH(QString, how);
        QClipboard* clipboard = QGuiApplication::clipboard();
        frmSave window(Reading("Ann Lee"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* area = window.findChild<QTextEdit*>("RTB");
        QCOMPARE(area->contextMenuPolicy(), Qt::NoContextMenu);
        const QPoint start = area->cursorRect(QTextCursor(area->document())).center();
        if (how == "mouse") {
            QTest::mousePress(area->viewport(), Qt::LeftButton, {}, start);
            QTest::mouseMove(area->viewport(), start + QPoint(120, 40));
            QTest::mouseRelease(area->viewport(), Qt::LeftButton, {}, start + QPoint(120, 40));
        } else if (how == "keys") {
            area->setFocus();
            QTest::keyClick(area, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        } else {
            QTest::mouseDClick(area->viewport(), Qt::LeftButton, {}, start + QPoint(20, 0));
        }
        QVERIFY(area->textCursor().hasSelection());
        QTest::qWait(100);
        QCOMPARE(clipboard->text(QClipboard::Clipboard), QString());
        if (clipboard->supportsSelection())
            QCOMPARE(clipboard->text(QClipboard::Selection), QString());
        else
            qInfo("this platform has no mouse selection; run on X11 to check it");
    }

    void opensOnTheReport() {
        // The first focus is the report, not the link label first in the tab order.
        frmSave window(Reading("Ann"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.focusWidget(), window.findChild<QTextEdit*>("RTB"));
    }

    void coBrandOfferCoversTheOther() {
        frmSave window(Reading("Ann"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* frame = window.findChild<QWidget*>("fraFullBrand");
        auto* front = window.findChild<QWidget*>("lblCobrand");
        auto* behind = window.findChild<QWidget*>("lblFullBrand");
        QCOMPARE(frame->childAt(front->geometry().center()), front);
        const QImage seen = frame->grab().toImage();
        behind->hide();
        QCOMPARE(frame->grab().toImage(), seen);
    }

    void addressInNameOpensOncePerPress() {
        for (int round = 0; round < 2; ++round) { // reopening keeps links working
            catcher.urls.clear();
            frmSave window(Reading("www.nerro.example/page"));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* area = window.findChild<QTextEdit*>("RTB");
            QTest::mouseMove(area->viewport(), QPoint(30, 10));
            PressOn(area, "www.nerro.example");
            QCOMPARE(catcher.urls.size(), 1);
            QCOMPARE(catcher.urls[0].host(), QStringLiteral("www.nerro.example"));
            PressOn(area, "www.nerro.example", Qt::RightButton);
            QCOMPARE(catcher.urls.size(), 1);
            PressOn(area, "www.nerro.example");
            QCOMPARE(catcher.urls.size(), 2);
            window.close();
        }
    }

    void otherSchemesAreNotLinks_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("file") << "file:///etc/passwd";
        QTest::newRow("smb") << "smb://server/share";
        QTest::newRow("custom") << "myapp://run?x=1";
        QTest::newRow("no host") << "https://";
    }

    void otherSchemesAreNotLinks() {
        QFETCH(QString, name);
        frmSave window(Reading(name.toStdString()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* area = window.findChild<QTextEdit*>("RTB");
        PressOn(area, name.left(4));
        QVERIFY(catcher.urls.isEmpty());
        QVERIFY(!LinkUrlFor(name).isValid() || LinkUrlFor(name).isEmpty());
    }

    // The link handling belongs to its area: attached once however often asked, gone when
    // detached (taking the link look with it), and detaching an area without it does nothing.
    void linkHandlingBelongsToTheArea() {
        QTextEdit area;
        area.setPlainText(QStringLiteral("see www.nerro.example now"));
        DetachLinkHandling(&area);
        DetachLinkHandling(nullptr);
        AttachLinkHandling(&area, nullptr);
        AttachLinkHandling(&area, nullptr);
        QVERIFY(HasLinkHandling(&area));
        QCOMPARE(area.findChildren<QObject*>(QStringLiteral("zodiacLinkHandler")).size(), 1);
        QTextCursor at(area.document());
        at.setPosition(6);
        QVERIFY(at.charFormat().isAnchor());
        DetachLinkHandling(&area);
        QVERIFY(!HasLinkHandling(&area));
        at.setPosition(6);
        QVERIFY(!at.charFormat().isAnchor());
        // Text added afterwards is no longer looked at.
        area.append(QStringLiteral("https://www.nerro.example/"));
        at.movePosition(QTextCursor::End);
        at.movePosition(QTextCursor::PreviousCharacter);
        QVERIFY(!at.charFormat().isAnchor());
    }

    void saveWritesTheRecord() {
        QTemporaryDir dir;
        const QString path = dir.filePath("ann.str");
        FileDialogRequest asked{};
        SetFileDialogAnswerer([&](const FileDialogRequest& r) {
            asked = r;
            return path;
        });
        frmSave window(Reading("Ann"));
        window.cmdSave_Click();
        QCOMPARE(asked.kind, FileDialogRequest::Save);
        QCOMPARE(asked.title, QStringLiteral("Save Your Chinese Zodiac Result ...."));
        QCOMPARE(asked.filter, QStringLiteral("Rich Text Format (*.str)"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("str"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Dqq\r\nIhpdoh\r\n:\r\nMdqxdu|\r\n4<;3\r\n"));
        QVERIFY(messages.isEmpty()); // no message confirms the save
        SetFileDialogAnswerer({});
    }

    void saveRefusalsAndCancel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("blockFolder");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("message");
        QTest::newRow("cancel is silent") << "Ann" << false << true << false;
        QTest::newRow("name outside the code page")
            << QString::fromUtf8("\u0416enya") << false << false << true;
        QTest::newRow("folder cannot be written") << "Ann" << true << false << true;
    }

    void saveRefusalsAndCancel() {
        QFETCH(QString, name);
        QFETCH(bool, blockFolder);
        QFETCH(bool, cancel);
        QFETCH(bool, message);
        QTemporaryDir dir;
        QString path = dir.filePath("out.str");
        if (blockFolder) {
            QFile blocker(dir.filePath("file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
            path = dir.filePath("file/out.str");
        }
        SetFileDialogAnswerer([&](const FileDialogRequest&) { return cancel ? QString() : path; });
        frmSave window(Reading(name.toStdString()));
        window.cmdSave_Click();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(!messages.isEmpty(), message);
        if (message) {
            QCOMPARE(messages[0].icon, MessageIcon::Critical);
        }
        SetFileDialogAnswerer({});
    }

    // This test program has no printing module beside it: a broken installation is told, not hidden.
    void printWithoutItsModuleSaysSo() {
        frmSave window(Reading("Ann"));
        window.cmdPrint_Click();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, MessageIcon::Critical);
        QVERIFY2(messages[0].text.contains(QStringLiteral("libzodiac-printing.so is missing")),
                 qPrintable(messages[0].text));
    }
};

QTEST_MAIN(tst_frmSave)
#include "tst_frmsave.moc"
