#include "frmMain.h"

#include "BrandFrame.h"
#include "BrandTexts.h"
#include "ClosedListSpeech.h"
#include "Colors.h"
#include "Controls.h"
#include "DateText.h"
#include "EndApplication.h"
#include "FileDialogs.h"
#include "InputCheck.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "NewYearTable.h"
#include "OneRunLine.h"
#include "RecordFile.h"
#include "SignDetermination.h"
#include "TextFit.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowFonts.h"
#include "WindowSetup.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace zodiac {

frmMain::frmMain(QWidget* parent) : QWidget(parent, WindowFlagsFor(WindowKind::Main)) {
    SetUpWindow(this, WindowKind::Main, QStringLiteral("frmMain"), QSize(4950, 4110));

    BuildControls();
    Form_Load();
    for (QComboBox* list : {cboDate, cboMonth, cboYear})
        FitListFont(list);

    CentreOnScreen(this);
    txtName->setFocus();
}

void frmMain::BuildControls() {
    Label14 = MakeLink(this, QStringLiteral("Label14"), ForumText(), SiteLinkColor);
    PlaceTwips(Label14, 375, 30, 4230, 195);

    Label3 = MakeLink(this, QStringLiteral("Label3"), VisitSiteText(), SiteLinkColor);
    PlaceTwips(Label3, 495, 270, 3990, 195);

    fraDetails = new QGroupBox(QStringLiteral("Your Details Please"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setFont(NamedFont(QStringLiteral("MS Sans Serif"), 8.25));
    fraDetails->setAccessibleName(fraDetails->title());
    PlaceTwips(fraDetails, 68, 540, 4845, 1695);

    Label1 = MakeLabel(fraDetails, QStringLiteral("Label1"), QStringLiteral("Name"));
    PlaceTwips(Label1, 480, 360, 495, 195);

    txtName = new OneRunLine(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(WindowFont());
    txtName->setAccessibleName(QStringLiteral("Name"));
    PlaceTwips(txtName, 1050, 270, 3705, 345);
    // A label's buddy is what AT-SPI reports as the control it labels.
    Label1->setBuddy(txtName);

    Label2 = MakeLabel(fraDetails, QStringLiteral("Label2"), QStringLiteral("Birth Day"));
    PlaceTwips(Label2, 180, 810, 810, 195);

    cboDate = MakeList(fraDetails, QStringLiteral("cboDate"), QStringLiteral("Birth day"));
    PlaceTwips(cboDate, 1050, 720, 645, 315);
    cboMonth = MakeList(fraDetails, QStringLiteral("cboMonth"), QStringLiteral("Birth month"));
    PlaceTwips(cboMonth, 1755, 720, 1305, 315);
    cboYear = MakeList(fraDetails, QStringLiteral("cboYear"), QStringLiteral("Birth year"));
    PlaceTwips(cboYear, 3120, 720, 1095, 315);
    for (QComboBox* list : {cboDate, cboMonth, cboYear})
        SpeakClosedListChanges(list);

    Label5 = MakeLabel(fraDetails, QStringLiteral("Label5"), QStringLiteral("Sex"));
    PlaceTwips(Label5, 630, 1260, 330, 195);

    sexGroup = new QButtonGroup(this);
    const std::array<std::string_view, 2> sexCaptions{MaleText, FemaleText};
    for (int index = 0; index < 2; ++index) {
        const std::string_view caption = sexCaptions[static_cast<std::size_t>(index)];
        auto* option = new QRadioButton(
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), fraDetails);
        option->setObjectName(QStringLiteral("optSex_%1").arg(index));
        option->setFont(WindowFont());
        option->setAccessibleName(option->text());
        sexGroup->addButton(option, index);
        optSex[static_cast<std::size_t>(index)] = option;
    }
    PlaceTwips(optSex[0], 1080, 1260, 735, 225);
    PlaceTwips(optSex[1], 1950, 1260, 915, 225);

    // Neither button is the window's default: Enter and Esc press nothing here.
    cmdProceed = MakeButton(fraDetails, QStringLiteral("cmdProceed"), QStringLiteral("&Proceed"));
    PlaceTwips(cmdProceed, 3540, 1170, 1185, 375);
    // Styles with a larger option mark leave the captions too little room.
    FitWidthToText(optSex[0], optSex[1]->x());
    FitWidthToText(optSex[1], cmdProceed->x());

    cmdOpen = MakeButton(this, QStringLiteral("cmdOpen"), QStringLiteral("&Open Previously Saved Record"));
    cmdOpen->setFont(WindowFont(9.75, true));
    PlaceTwips(cmdOpen, 68, 2280, 4845, 495);

    // As laid out, the full-brand offer lies over the co-brand offer.
    fraFullBrand = new BrandFrame(this, QRect(53, 2880, 4845, 1215), QRect(120, 165, 4545, 975), false);

    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(Label14, &LinkLabel::clicked, this, [] { OpenWebPage(QStringLiteral("home-page")); });
    connect(Label3, &LinkLabel::clicked, this, [] { OpenWebPage(QStringLiteral("home-page")); });
}

void frmMain::Form_Load() {
    SetFixedEntries(cboDate, 31, [](int row) { return QString::number(row + 1); });
    SetFixedEntries(cboMonth, static_cast<int>(MonthNames.size()), [](int row) {
        const std::string_view month = MonthNames[static_cast<std::size_t>(row)];
        return QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size()));
    });
    SetFixedEntries(cboYear, LastWholeYear - FirstWholeYear + 1,
                    [](int row) { return QString::number(FirstWholeYear + row); });
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    // The window opens on 1 January 1936, as it did when the list began there.
    cboYear->setCurrentIndex(1936 - FirstWholeYear);
}

void frmMain::BringBrandLabelToFront(bool coBrand) {
    fraFullBrand->BringToFront(coBrand);
}

void frmMain::SelectSex(SexChoice sex) {
    // Exclusivity would forbid clearing both options, which a record with an unknown sex needs.
    sexGroup->setExclusive(false);
    optSex[0]->setChecked(sex == SexChoice::Male);
    optSex[1]->setChecked(sex == SexChoice::Female);
    sexGroup->setExclusive(true);
}

void frmMain::cmdProceed_Click() {
    // A close while this runs is the hand-over to the details window.
    const QScopedValueRollback<bool> handOver(m_inProceed, true);

    SexChoice sex = SexChoice::None;
    if (optSex[0]->isChecked())
        sex = SexChoice::Male;
    else if (optSex[1]->isChecked())
        sex = SexChoice::Female;

    const std::string name = txtName->text().toStdString();
    const std::string year = cboYear->currentText().toStdString();
    const InputCheckResult check =
        ValidateInput(name, sex, cboDate->currentIndex(), cboMonth->currentIndex(), year);
    if (!check.usable) {
        ShowMessage(this, QString::fromStdString(check.message), MessageIcon::Information);
        if (check.focus == FocusTarget::NameBox)
            txtName->setFocus();
        else if (check.focus == FocusTarget::ProceedButton)
            cmdProceed->setFocus();
        return;
    }

    ReadingInput input;
    input.nameText = name;
    input.sex = sex;
    input.dayText = cboDate->currentText().toStdString();
    input.monthText = cboMonth->currentText().toStdString();
    input.yearText = year;
    emit proceeded(input);
    close();
}

void frmMain::cmdOpen_Click() {
    OpenRecord(
        AskForFile(this, {FileDialogRequest::Open, QStringLiteral("Select the source file"),
                          QStringLiteral("Nerro Free Chinese Astrology (*.str)"), QStringLiteral("str")}));
}

void frmMain::OpenRecord(const QString& path) {
    const QString badFile = QStringLiteral("Please Check The File.");
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral("str"), Qt::CaseSensitive)) {
        ShowMessage(this, badFile, MessageIcon::Critical);
        return;
    }

    const RecordReadResult record = ReadRecordFile(path);
    // A record that does not fit the lists would otherwise show a reading for a date it does not hold.
    const std::optional<ListPositions> positions =
        record.ok ? RecordListPositions(record.values) : std::nullopt;
    if (!positions) {
        ShowMessage(this, badFile, MessageIcon::Critical);
        return;
    }

    txtName->setText(record.values.name);
    SelectSex(SexChoiceOf(record.values.sex.toStdString()));
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
    if (!m_inProceed && !IsEndingApplication())
        emit endRequested();
}

} // namespace zodiac
