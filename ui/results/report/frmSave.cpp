// frmSave: the report window, which shows the reading as a report to print or save as a record.
#include "frmSave.h"

#include "BrandFrame.h"
#include "BrandTexts.h"
#include "Colors.h"
#include "Controls.h"
#include "FileDialogs.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "PrintingLoader.h"
#include "RecordFile.h"
#include "ReportComposer.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowFonts.h"
#include "WindowSetup.h"
#include "modRTB.h"

#include <QClipboard>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>

namespace zodiac {

frmSave::frmSave(const ZodiacReading& reading, QWidget* parent)
    : QDialog(parent, WindowFlagsFor(WindowKind::Dialog)), m_reading(reading) {
    SetUpWindow(this, WindowKind::Dialog, QStringLiteral("frmSave"), QSize(7725, 7770));
    setModal(true);

    Label14 = MakeLink(this, QStringLiteral("Label14"), ForumText(), SiteLinkColor);
    PlaceTwips(Label14, 1747, 0, 4230, 195);

    Label1 = MakeLink(this, QStringLiteral("Label1"), VisitSiteText(), SiteLinkColor);
    PlaceTwips(Label1, 1867, 180, 3990, 195);

    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(QStringLiteral("Report"));
    RTB->setReadOnly(true);
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RTB->setFont(WindowFont(9.75));
    RTB->document()->setDefaultFont(RTB->font());
    // Laid out beside the scroll bar a report needs; see Form_Load.
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RTB->viewport()->setMouseTracking(true);
    RTB->viewport()->installEventFilter(this);
    RTB->installEventFilter(this);
    // Its menu would offer Copy.
    RTB->setContextMenuPolicy(Qt::NoContextMenu);
    PlaceTwips(RTB, 30, 390, 7665, 6135);
    SettleTextBox(RTB);
    KeepShapedText(RTB->document());

    const QFont buttonFont = NamedFont(QStringLiteral("MS Sans Serif"), 8.25);
    cmdSave = MakeButton(this, QStringLiteral("cmdSave"), QStringLiteral("&Save"));
    cmdSave->setFont(buttonFont);
    // One pixel shorter than laid out, so the buttons stop above the offers' frame below them.
    PlaceTwips(cmdSave, 5400, 6570, 1125, 330);

    cmdPrint = MakeButton(this, QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    cmdPrint->setFont(buttonFont);
    PlaceTwips(cmdPrint, 6555, 6570, 1125, 330);

    // The co-branding offer lies over the other one, so it is the one seen and clicked.
    fraFullBrand = new BrandFrame(this, QRect(30, 6900, 7665, 855), QRect(120, 165, 7425, 615), true);

    connect(Label14, &LinkLabel::clicked, this, &frmSave::Label14_Click);
    connect(Label1, &LinkLabel::clicked, this, &frmSave::Label1_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(RTB, &QTextEdit::textChanged, this, &frmSave::RTB_Change);
    connect(QGuiApplication::clipboard(), &QClipboard::selectionChanged, this, &frmSave::SelectionTaken);

    setTabOrder(Label14, Label1);
    setTabOrder(Label1, RTB);
    setTabOrder(RTB, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, fraFullBrand->lblCobrand);
    // The window opens on the report, not on the link label first in the tab order.
    RTB->setFocus();

    CentreOnScreen(this);

    Form_Load();
}

void frmSave::Form_Load() {
    AttachLinkHandling(RTB, this);
    ShowReport();
    // A report is longer than the area, and so was laid out once, at the width beside the scroll
    // bar it keeps. One that fits loses the bar and is laid out again at the full width.
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void frmSave::ShowReport() {
    // The report lies on the window's own colour, and its runs are coloured to read on it.
    QPalette area = RTB->palette();
    area.setColor(QPalette::Base, palette().color(QPalette::Window));
    RTB->setPalette(area);
    {
        // Composed in one piece: the clipboards are emptied once for the new text, not once for
        // each of its runs, each of which would wait for the X server twice.
        const QSignalBlocker composing(RTB);
        ComposeReport(*RTB->document(), m_reading, QLocale::system(), ScreenReportColors(RTB->palette()));
    }
    RTB_Change();
    RTB->moveCursor(QTextCursor::Start);
}

void frmSave::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A new desktop theme: the report follows it.
    if (event->type() == QEvent::PaletteChange && RTB)
        ShowReport();
}

bool frmSave::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RTB->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            EmptyClipboards();
            break;
        default:
            break;
        }
    } else if (watched == RTB &&
               (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        // Copy by keyboard is refused like copy by mouse.
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) ||
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cut)) {
            EmptyClipboards();
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSave::EmptyClipboards() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    // On X11 and Wayland desktops selecting text copies it too, for a middle-click paste.
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

void frmSave::RTB_Change() {
    EmptyClipboards();
}

void frmSave::SelectionTaken() {
    // The area hands a mouse selection to the desktop after the release that made it, so it is
    // emptied again once it has arrived; an empty selection changes nothing, which ends the round.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (RTB->textCursor().hasSelection() && !clipboard->text(QClipboard::Selection).isEmpty())
        clipboard->clear(QClipboard::Selection);
}

void frmSave::cmdPrint_Click() {
    QString problem;
    const PrintReportDocument print = LoadPrinting(problem);
    if (!print) {
        ShowMessage(this,
                    QStringLiteral("The report could not be printed: the program's printing part could not "
                                   "be loaded (%1). Installing the program again mends this.")
                        .arg(problem),
                    MessageIcon::Critical);
        return;
    }
    // Whatever is selected, the whole report is printed.
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);
    QTextDocument report;
    ComposePrintedReport(report, m_reading, QLocale::system(), RTB->document()->defaultFont());
    QString printer;
    switch (print(report, QStringLiteral("Chinese Zodiac Report"), printer)) {
    case PrintOutcome::Printed:
        return;
    case PrintOutcome::NoPrinter:
        ShowMessage(this,
                    QStringLiteral("No printer is available. Add a printer or make one the default, then "
                                   "press Print again."),
                    MessageIcon::Critical);
        return;
    case PrintOutcome::PrinterUnusable:
        ShowMessage(this,
                    QStringLiteral("The report could not be printed: the printer \"%1\" cannot be used.")
                        .arg(printer),
                    MessageIcon::Critical);
        return;
    case PrintOutcome::Failed:
        ShowMessage(this, QStringLiteral("The report could not be printed on \"%1\".").arg(printer),
                    MessageIcon::Critical);
        return;
    }
}

void frmSave::cmdSave_Click() {
    const QString path =
        AskForFile(this, {FileDialogRequest::Save, QStringLiteral("Save Your Chinese Zodiac Result ...."),
                          QStringLiteral("Rich Text Format (*.str)"), QStringLiteral("str")});
    if (path.isEmpty())
        return;
    const RecordValues values{FromUtf8(m_reading.Name), FromUtf8(m_reading.Sex), FromUtf8(m_reading.DayText),
                              FromUtf8(m_reading.MonthName), FromUtf8(m_reading.YearText)};
    if (const QString problem = RecordSaveProblem(values); !problem.isEmpty()) {
        ShowMessage(this, problem, MessageIcon::Critical);
        return;
    }
    const RecordWriteResult written = WriteRecordFile(path, values);
    if (!written.ok) {
        ShowMessage(this, QStringLiteral("The file \"%1\" could not be saved: %2").arg(path, written.error),
                    MessageIcon::Critical);
    }
}

void frmSave::Label1_Click() {
    OpenWebPage(QStringLiteral("home-page"));
}

void frmSave::Label14_Click() {
    OpenWebPage(QStringLiteral("home-page"));
}

} // namespace zodiac
