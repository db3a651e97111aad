#include "frmMain.h"

#include "AppInfo.h"
#include "BrandFrame.h"
#include "BrandTexts.h"
#include "Colors.h"
#include "Controls.h"
#include "DateText.h"
#include "EndApplication.h"
#include "FileDialogs.h"
#include "InputCheck.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "RecordFile.h"
#include "SignDetermination.h"
#include "TextFit.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowFonts.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>

namespace {

using zodiac::LinkFont;
using zodiac::MakeLabel;
using zodiac::PlainCaption;
using zodiac::WindowFont;

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(WindowFont());
    button->setAccessibleName(PlainCaption(caption));
    // Enter and Esc press nothing in this window.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QComboBox* MakeList(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setFont(WindowFont());
    list->setEditable(false);
    list->setAccessibleName(accessibleName);
    // Qt 6.4 reports a drop-down list to AT-SPI by its current entry in place of its name, so the
    // name also goes into the description, which screen readers speak after the entry. No label has
    // a list as its buddy: a screen reader says such a label in place of the entry, and the value
    // goes unheard.
    list->setAccessibleDescription(accessibleName);
    return list;
}

} // namespace

frmMain::frmMain(zodiac::ZodiacReading& reading, zodiac::NewYearTable& table, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_reading(reading), m_table(table) {
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(zodiac::WindowCaption));
    setFont(WindowFont());
    setFixedSize(zodiac::TwipsRect(0, 0, 4950, 4110).size());

    BuildControls();
    Form_Load();
    for (QComboBox* list : {cboDate, cboMonth, cboYear})
        zodiac::FitListFont(list);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    txtName->setFocus();
}

void frmMain::BuildControls() {
    Label14 = new zodiac::LinkLabel(zodiac::ForumText(), zodiac::SiteLinkColor, this);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setFont(LinkFont(false));
    Label14->setAlignment(Qt::AlignCenter);
    zodiac::PlaceTwips(Label14, 375, 30, 4230, 195);

    Label3 = new zodiac::LinkLabel(zodiac::VisitSiteText(), zodiac::SiteLinkColor, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(LinkFont(false));
    Label3->setAlignment(Qt::AlignCenter);
    zodiac::PlaceTwips(Label3, 495, 270, 3990, 195);

    fraDetails = new QGroupBox(QStringLiteral("Your Details Please"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setFont(zodiac::NamedFont(QStringLiteral("MS Sans Serif"), 8.25));
    fraDetails->setAccessibleName(fraDetails->title());
    zodiac::PlaceTwips(fraDetails, 68, 540, 4845, 1695);

    Label1 = MakeLabel(fraDetails, QStringLiteral("Label1"), QStringLiteral("Name"));
    zodiac::PlaceTwips(Label1, 480, 360, 495, 195);

    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(WindowFont());
    txtName->setAccessibleName(QStringLiteral("Name"));
    zodiac::PlaceTwips(txtName, 1050, 270, 3705, 345);
    // A label's buddy is what AT-SPI reports as the control it labels.
    Label1->setBuddy(txtName);

    Label2 = MakeLabel(fraDetails, QStringLiteral("Label2"), QStringLiteral("Birth Day"));
    zodiac::PlaceTwips(Label2, 180, 810, 810, 195);

    cboDate = MakeList(QStringLiteral("cboDate"), QStringLiteral("Birth day"), fraDetails);
    zodiac::PlaceTwips(cboDate, 1050, 720, 645, 315);
    cboMonth = MakeList(QStringLiteral("cboMonth"), QStringLiteral("Birth month"), fraDetails);
    zodiac::PlaceTwips(cboMonth, 1755, 720, 1305, 315);
    cboYear = MakeList(QStringLiteral("cboYear"), QStringLiteral("Birth year"), fraDetails);
    zodiac::PlaceTwips(cboYear, 3120, 720, 1095, 315);

    Label5 = MakeLabel(fraDetails, QStringLiteral("Label5"), QStringLiteral("Sex"));
    zodiac::PlaceTwips(Label5, 630, 1260, 330, 195);

    sexGroup = new QButtonGroup(this);
    const std::array<QString, 2> sexCaptions{QStringLiteral("Male"), QStringLiteral("Female")};
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(sexCaptions[static_cast<std::size_t>(index)], fraDetails);
        option->setObjectName(QStringLiteral("optSex_%1").arg(index));
        option->setFont(WindowFont());
        option->setAccessibleName(option->text());
        sexGroup->addButton(option, index);
        optSex[static_cast<std::size_t>(index)] = option;
    }
    zodiac::PlaceTwips(optSex[0], 1080, 1260, 735, 225);
    zodiac::PlaceTwips(optSex[1], 1950, 1260, 915, 225);

    cmdProceed = MakeButton(QStringLiteral("cmdProceed"), QStringLiteral("&Proceed"), fraDetails);
    zodiac::PlaceTwips(cmdProceed, 3540, 1170, 1185, 375);
    // Styles with a larger option mark leave the captions too little room.
    zodiac::FitWidthToText(optSex[0], optSex[1]->x());
    zodiac::FitWidthToText(optSex[1], cmdProceed->x());

    cmdOpen = MakeButton(QStringLiteral("cmdOpen"), QStringLiteral("&Open Previously Saved Record"), this);
    cmdOpen->setFont(WindowFont(9.75, true));
    zodiac::PlaceTwips(cmdOpen, 68, 2280, 4845, 495);

    // As laid out, the full-brand offer lies over the co-brand offer.
    fraFullBrand =
        new zodiac::BrandFrame(this, QRect(53, 2880, 4845, 1215), QRect(120, 165, 4545, 975), false);

    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(Label14, &zodiac::LinkLabel::clicked, this,
            [] { zodiac::OpenWebPage(QStringLiteral("home-page")); });
    connect(Label3, &zodiac::LinkLabel::clicked, this,
            [] { zodiac::OpenWebPage(QStringLiteral("home-page")); });
}

void frmMain::Form_Load() {
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (std::string_view month : zodiac::MonthNames)
        cboMonth->addItem(QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size())));
    for (int year = zodiac::FirstTableYear; year < zodiac::FirstTableYear + zodiac::NewYearRowCount; ++year)
        cboYear->addItem(QString::number(year));
    m_table = zodiac::BuildNewYearTable();
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

void frmMain::BringBrandLabelToFront(bool coBrand) {
    fraFullBrand->BringToFront(coBrand);
}

void frmMain::SelectSex(int index) {
    // Exclusivity would forbid clearing both options, which a record with an unknown sex needs.
    sexGroup->setExclusive(false);
    optSex[0]->setChecked(index == 0);
    optSex[1]->setChecked(index == 1);
    sexGroup->setExclusive(true);
}

void frmMain::cmdProceed_Click() {
    // A close while this runs is the hand-over to the details window.
    const QScopedValueRollback<bool> handOver(m_inProceed, true);

    zodiac::SexChoice sex = zodiac::SexChoice::None;
    if (optSex[0]->isChecked())
        sex = zodiac::SexChoice::Male;
    else if (optSex[1]->isChecked())
        sex = zodiac::SexChoice::Female;

    const std::string name = txtName->text().toStdString();
    const std::string year = cboYear->currentText().toStdString();
    const zodiac::InputCheckResult check =
        zodiac::ValidateInput(name, sex, cboDate->currentIndex(), cboMonth->currentIndex(), year);
    if (!check.usable) {
        zodiac::ShowMessage(this, QString::fromStdString(check.message), zodiac::MessageIcon::Information);
        if (check.focus == zodiac::FocusTarget::NameBox)
            txtName->setFocus();
        else if (check.focus == zodiac::FocusTarget::ProceedButton)
            cmdProceed->setFocus();
        return;
    }

    zodiac::ReadingInput input;
    input.nameText = name;
    input.sex = sex;
    input.dayText = cboDate->currentText().toStdString();
    input.monthText = cboMonth->currentText().toStdString();
    input.yearText = year;
    zodiac::DetermineSign(m_reading, m_table, input);

    emit proceeded();
    close();
}

void frmMain::cmdOpen_Click() {
    const QString badFile = QStringLiteral("Please Check The File.");
    const QString path = zodiac::AskForFile(
        this, {zodiac::FileDialogRequest::Open, QStringLiteral("Select the source file"),
               QStringLiteral("Nerro Free Chinese Astrology (*.str)"), QStringLiteral("str")});
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral("str"), Qt::CaseSensitive)) {
        zodiac::ShowMessage(this, badFile, zodiac::MessageIcon::Critical);
        return;
    }

    const zodiac::RecordReadResult record = zodiac::ReadRecordFile(path);
    // A record that does not fit the lists would otherwise show a reading for a date it does not hold.
    const std::optional<zodiac::ListPositions> positions =
        record.ok ? zodiac::RecordListPositions(record.values) : std::nullopt;
    if (!positions) {
        zodiac::ShowMessage(this, badFile, zodiac::MessageIcon::Critical);
        return;
    }

    txtName->setText(record.values.name);
    if (record.values.sex == QStringLiteral("Male"))
        SelectSex(0);
    else if (record.values.sex == QStringLiteral("Female"))
        SelectSex(1);
    else
        SelectSex(-1);
    cboDate->setCurrentIndex(positions->day);
    cboMonth->setCurrentIndex(positions->month);
    cboYear->setCurrentIndex(positions->year);
    cmdProceed_Click();
}

void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    txtName->setFocus();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_inProceed && !zodiac::IsEndingApplication())
        emit endRequested();
}
