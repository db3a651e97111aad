#include "frmSave.h"

#include "AppInfo.h"
#include "BrandLabels.h"
#include "BrandTexts.h"
#include "FileDialogs.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "RecordFile.h"
#include "ReportComposer.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowFonts.h"
#include "modRTB.h"

#include <QClipboard>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace zodiac {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

frmSave::frmSave(const ZodiacReading& reading, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      reading_(reading) {
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QString::fromLatin1(WindowCaption));
    setModal(true);
    setFont(WindowFont());
    setFixedSize(TwipsRect(0, 0, 7725, 7770).size());

    const QColor siteColor(64, 64, 0);
    Label14 = new LinkLabel(SitePraiseText(), siteColor, this);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setAlignment(Qt::AlignCenter);
    PlaceTwips(Label14, 1747, 0, 4230, 195);

    Label1 = new LinkLabel(VisitSiteText(), siteColor, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    PlaceTwips(Label1, 1867, 180, 3990, 195);

    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(QStringLiteral("Report"));
    RTB->setReadOnly(true);
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RTB->setFont(WindowFont(9.75));
    RTB->document()->setDefaultFont(RTB->font());
    QPalette rtbPalette = RTB->palette();
    rtbPalette.setColor(QPalette::Base, rtbPalette.color(QPalette::Window));
    RTB->setPalette(rtbPalette);
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RTB->viewport()->setMouseTracking(true);
    RTB->viewport()->installEventFilter(this);
    PlaceTwips(RTB, 30, 390, 7665, 6135);

    const QFont buttonFont = NamedFont(QStringLiteral("MS Sans Serif"), 8.25);
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setAccessibleName(QStringLiteral("Save"));
    cmdSave->setFont(buttonFont);
    cmdSave->setAutoDefault(false);
    PlaceTwips(cmdSave, 5400, 6570, 1125, 345);

    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setAccessibleName(QStringLiteral("Print"));
    cmdPrint->setFont(buttonFont);
    cmdPrint->setAutoDefault(false);
    PlaceTwips(cmdPrint, 6555, 6570, 1125, 345);

    fraFullBrand = new QGroupBox(this);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    PlaceTwips(fraFullBrand, 30, 6900, 7665, 855);

    QFont brandFont = font();
    brandFont.setBold(true);
    // The co-branding offer lies over the other one, so it is the one seen and clicked.
    const BrandLabels brands = MakeBrandLabels(fraFullBrand, brandFont, Qt::blue, 120, 165, 7425, 615, true);
    lblCobrand = brands.coBrand;
    lblFullBrand = brands.fullBrand;

    connect(Label14, &LinkLabel::clicked, this, &frmSave::Label14_Click);
    connect(Label1, &LinkLabel::clicked, this, &frmSave::Label1_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &frmSave::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::clicked, this, &frmSave::lblFullBrand_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(RTB, &QTextEdit::textChanged, this, &frmSave::RTB_Change);

    setTabOrder(Label14, Label1);
    setTabOrder(Label1, RTB);
    setTabOrder(RTB, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, lblCobrand);
    // The window opens on the report, not on the link label first in the tab order.
    RTB->setFocus();

    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());

    Form_Load();
}

frmSave::~frmSave() {
    Form_Unload();
}

void frmSave::Form_Load() {
    AttachLinkHandling(RTB, this);
    linksAttached_ = true;
    ComposeReport(*RTB->document(), reading_, QLocale::system());
    RTB->moveCursor(QTextCursor::Start);
}

void frmSave::Form_Unload() {
    if (!linksAttached_)
        return;
    linksAttached_ = false;
    DetachLinkHandling();
}

void frmSave::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmSave::showEvent(QShowEvent* event) {
    // Shown again after closing: the links come back with the window.
    if (!linksAttached_) {
        AttachLinkHandling(RTB, this);
        linksAttached_ = true;
    }
    QDialog::showEvent(event);
}

bool frmSave::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RTB->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            QGuiApplication::clipboard()->clear();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSave::RTB_Change() {
    QGuiApplication::clipboard()->clear();
}

void frmSave::cmdPrint_Click() {
    QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (!printers.isEmpty())
            target = printers.front();
    }
    if (target.isNull()) {
        ShowMessage(this,
                    QStringLiteral("No printer is available. Add a printer or make one the default, then "
                                   "press Print again."),
                    MessageIcon::Critical);
        return;
    }
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Chinese Zodiac Report"));
    if (!printer.isValid()) {
        ShowMessage(this,
                    QStringLiteral("The report could not be printed: the printer \"%1\" cannot be used.")
                        .arg(target.printerName()),
                    MessageIcon::Critical);
        return;
    }
    // Whatever is selected, the whole report is printed.
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);
    RTB->document()->print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        ShowMessage(this,
                    QStringLiteral("The report could not be printed on \"%1\".").arg(target.printerName()),
                    MessageIcon::Critical);
    }
}

void frmSave::cmdSave_Click() {
    const QString path =
        AskForFile(this, {FileDialogRequest::Save, QStringLiteral("Save Your Chinese Zodiac Result ...."),
                          QStringLiteral("Rich Text Format (*.str)"), QStringLiteral("str")});
    if (path.isEmpty())
        return;
    const RecordValues values{FromUtf8(reading_.Name), FromUtf8(reading_.Sex), FromUtf8(reading_.DayText),
                              FromUtf8(reading_.MonthName), FromUtf8(reading_.YearText)};
    const QList<QPair<QString, const QString*>> fields = {{QStringLiteral("name"), &values.name},
                                                          {QStringLiteral("sex"), &values.sex},
                                                          {QStringLiteral("day"), &values.day},
                                                          {QStringLiteral("month"), &values.month},
                                                          {QStringLiteral("year"), &values.year}};
    for (const auto& [field, value] : fields) {
        const QString problem = RecordValueProblem(*value);
        if (!problem.isEmpty()) {
            ShowMessage(this,
                        QStringLiteral("The %1 cannot be saved exactly, so nothing was saved. %2")
                            .arg(field, problem),
                        MessageIcon::Critical);
            return;
        }
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

void frmSave::lblCobrand_Click() {
    OpenWebPage(QStringLiteral("co-brand"));
}

void frmSave::lblFullBrand_Click() {
    OpenWebPage(QStringLiteral("fully-branded"));
}

} // namespace zodiac
