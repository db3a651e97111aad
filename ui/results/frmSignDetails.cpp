#include "frmSignDetails.h"

#include "BrandFrame.h"
#include "BrandTexts.h"
#include "Colors.h"
#include "Controls.h"
#include "DateText.h"
#include "EndApplication.h"
#include "LinkLabel.h"
#include "ReadOnlyLine.h"
#include "SignDetermination.h"
#include "TextFit.h"
#include "Twips.h"
#include "WebLinks.h"
#include "WindowFonts.h"
#include "WindowSetup.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QAction>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string>

namespace zodiac {

namespace {

// A label of the window at its place in twips.
QLabel* PlacedLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
    QLabel* label = MakeLabel(parent, name, caption);
    PlaceTwips(label, left, top, width, height);
    return label;
}

QLineEdit* MakeLineBox(const QString& name, const QString& accessibleName, QWidget* parent, int left, int top,
                       int width, int height) {
    auto* box = new ReadOnlyLine(parent);
    box->setObjectName(name);
    box->setFont(WindowFont());
    box->setAccessibleName(accessibleName);
    PlaceTwips(box, left, top, width, height);
    FitLineBoxHeight(box);
    return box;
}

// Filled in before the window shows: a box without its size would first lay its text out as one
// endless line and put a horizontal scroll bar into the window's first frame.
QPlainTextEdit* MakeTextBox(const QString& name, const QString& accessibleName, QWidget* parent, int left,
                            int top, int width, int height) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setFont(WindowFont());
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setAccessibleName(accessibleName);
    PlaceTwips(box, left, top, width, height);
    SettleTextBox(box);
    KeepShapedText(box->document());
    return box;
}

// A button of the window at its place in twips.
QPushButton* PlacedButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                          int width, int height) {
    QPushButton* button = MakeButton(parent, name, caption);
    PlaceTwips(button, left, top, width, height);
    return button;
}

// The calendar parts come from 16-bit integers; a text that is no such number is no part.
std::optional<int> ShortNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end || value < std::numeric_limits<short>::min() ||
        value > std::numeric_limits<short>::max())
        return std::nullopt;
    return value;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void Announce(QWidget* widget, const QString& text) {
    QAccessibleAnnouncementEvent announcement(widget, text);
    QAccessible::updateAccessibility(&announcement);
}

// Announces the watched widget's name and description each time it takes the focus, after the
// toolkit has told a screen reader of the new focus: Orca presents the focus as it comes and would
// cut an earlier announcement short.
class FocusAnnouncer : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            QPointer<QWidget> widget = static_cast<QWidget*>(watched);
            QMetaObject::invokeMethod(
                this,
                [widget] {
                    if (widget && widget->hasFocus())
                        Announce(widget, widget->accessibleName() + QStringLiteral(": ") +
                                             widget->accessibleDescription());
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};
#endif

// The reading as the window shows it at the top left, for a screen reader to say on arrival.
QString ReadingSummary(const QString& nameLine, const QString& sign, const QString& element) {
    QString name = nameLine.trimmed();
    if (!name.endsWith(QLatin1Char('.')))
        name += QLatin1Char('.');
    return QStringLiteral("%1 Your Chinese Sign: %2. Your Chinese Element: %3.").arg(name, sign, element);
}

} // namespace

frmSignDetails::frmSignDetails(const ZodiacReading& reading, QWidget* parent)
    : QWidget(parent, WindowFlagsFor(WindowKind::Main)), m_reading(reading) {
    // The layout fixes the size: the menu bar above the laid-out client area.
    SetUpWindow(this, WindowKind::Main, QStringLiteral("frmSignDetails"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    BuildMenu();
    layout->setMenuBar(menuBar);

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(TwipsRect(0, 0, 10140, 7500).size());
    layout->addWidget(client);
    BuildControls();

    Form_Load();
    // The first focus serves the reading (the element's description), never a link label.
    txtChineseElement->setFocus();

    adjustSize();
    CentreOnScreen(this);
}

void frmSignDetails::BuildMenu() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);

    // An entry, or a separator where it names no action.
    struct MenuEntry {
        QAction* frmSignDetails::*action;
        const char* name;
        const char* caption;
    };
    const auto addEntries = [this](QWidget* owner, std::initializer_list<MenuEntry> entries) {
        for (const MenuEntry& entry : entries) {
            if (!entry.action) {
                static_cast<QMenu*>(owner)->addSeparator()->setObjectName(QString::fromLatin1(entry.name));
                continue;
            }
            auto* action = new QAction(QString::fromUtf8(entry.caption), owner);
            action->setObjectName(QString::fromLatin1(entry.name));
            owner->addAction(action);
            this->*entry.action = action;
        }
    };
    const auto addMenu = [this](const char* name, const char* caption) {
        QMenu* menu = menuBar->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    using W = frmSignDetails;
    mnuFile = addMenu("mnuFile", "&File");
    addEntries(mnuFile, {{&W::mnuPrint, "mnuPrint", "&Print"},
                         {&W::mnuBack, "mnuBack", "&Back"},
                         {nullptr, "mnuFileSep1", nullptr},
                         {&W::mnuExit, "mnuExit", "E&xit"}});
    mnuHelp = addMenu("mnuHelp", "&Help");
    addEntries(mnuHelp, {{&W::mnuOnline, "mnuOnline", "&Online Help"},
                         {&W::mnuVisit, "mnuVisit", "&Visit Us Online"},
                         {nullptr, "mnuHelpSep1", nullptr},
                         {&W::mnuUpdate, "mnuUpdate", "Check for Software &Update"},
                         {nullptr, "mnuHelpSep2", nullptr},
                         {&W::mnuAbout, "mnuAbout", "&About Software"}});
    addEntries(menuBar, {{&W::mnuDonate, "mnuDonate", "&Donate"},
                         {&W::mnuMakeMoney, "mnuMakeMoney", "Make Money &Online"}});
    // The offer stays in the menu's definition but is not shown.
    mnuMakeMoney->setVisible(false);

    connect(mnuPrint, &QAction::triggered, this, &frmSignDetails::cmdPrint_Click);
    connect(mnuBack, &QAction::triggered, this, &frmSignDetails::cmdBack_Click);
    connect(mnuExit, &QAction::triggered, this, &frmSignDetails::cmdExit_Click);
    // Modal windows open from the event loop, after the menu's action has returned: whoever chose
    // the entry (a screen reader's action request too) gets its answer at once, not when the
    // window closes.
    connect(mnuAbout, &QAction::triggered, this, &frmSignDetails::mnuAbout_Click, Qt::QueuedConnection);
    const std::pair<QAction*, const char*> pages[] = {{mnuOnline, "help-web-page"},
                                                      {mnuVisit, "home-page"},
                                                      {mnuUpdate, "download-web-page"},
                                                      {mnuDonate, "donate"},
                                                      {mnuMakeMoney, "fully-branded"}};
    for (const auto& [action, pageKey] : pages)
        connect(action, &QAction::triggered, this,
                [key = QString::fromLatin1(pageKey)] { OpenWebPage(key); });
}

void frmSignDetails::BuildControls() {
    Label14 = MakeLink(client, QStringLiteral("Label14"), SitePraiseText(), SiteLinkColor);
    PlaceTwips(Label14, 90, 60, 9840, 255);

    fraStarUserDetails = new QGroupBox(QStringLiteral("Welcome"), client);
    fraStarUserDetails->setObjectName(QStringLiteral("fraStarUserDetails"));
    fraStarUserDetails->setAccessibleName(fraStarUserDetails->title());
    PlaceTwips(fraStarUserDetails, 0, 330, 3435, 6405);

    using W = frmSignDetails;
    // The reading's labels on the left, at their places in twips; the window fills in those it keeps.
    struct ReadingLabel {
        QLabel* W::*label;
        const char* name;
        const char* caption;
        int left, top, width, height;
    };
    const ReadingLabel readingLabels[] = {
        {&W::lblName, "lblName", "Label1", 180, 240, 645, 195},
        {nullptr, "Label1", "Your Chinese Sign", 180, 870, 1575, 195},
        {&W::lblChineseSign, "lblChineseSign", "Chinese Sign", 870, 1080, 1575, 270},
        {nullptr, "Label13", "Your Chinese Element", 210, 1620, 1890, 195},
        {&W::lblChineseElement, "lblChineseElement", "Chinese Element", 600, 1830, 2055, 270},
    };
    QWidget* left = fraStarUserDetails;
    for (const ReadingLabel& text : readingLabels) {
        QLabel* label = PlacedLabel(left, QString::fromLatin1(text.name), QString::fromUtf8(text.caption),
                                    text.left, text.top, text.width, text.height);
        if (text.label)
            this->*text.label = label;
    }
    lblName->setFont(WindowFont(8.25, true));
    for (QLabel* big : {lblChineseSign, lblChineseElement}) {
        big->setFont(WindowFont(11.25, true));
        KeepTextColor(big, SignColor);
    }
    txtChineseElement = MakeTextBox(QStringLiteral("txtChineseElement"),
                                    QStringLiteral("Element Description"), left, 270, 2220, 2910, 1155);
    PlacedLabel(left, QStringLiteral("lblDOBDesc"), QStringLiteral("Your Date of Birth"), 270, 3570, 1545,
                195);
    MV = new QCalendarWidget(left);
    MV->setObjectName(QStringLiteral("MV"));
    MV->setFont(WindowFont());
    MV->setAccessibleName(QStringLiteral("Your Date of Birth"));
    MV->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The calendar's own arrow buttons carry only icons; give a screen reader words for them.
    if (auto* previous = MV->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth")))
        previous->setAccessibleName(QStringLiteral("Previous month"));
    if (auto* next = MV->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth")))
        next->setAccessibleName(QStringLiteral("Next month"));
    // The focus goes to the calendar's grid, which has no name, and its cells give only day numbers:
    // the grid says the whole selected date in words. Orca 43 says the grid's name and description.
    // Orca 48 reads only the row of day numbers around the focused cell (and a changed description),
    // so on a toolkit that has announcements the date is announced as the grid takes the focus;
    // Orca 43 does not hear announcements, so neither Orca says the date twice.
    if (auto* grid = MV->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))) {
        grid->setAccessibleName(QStringLiteral("Your Date of Birth"));
        const auto describeDate = [this, grid] {
            grid->setAccessibleDescription(MV->locale().toString(MV->selectedDate(), QLocale::LongFormat));
        };
        describeDate();
        connect(MV, &QCalendarWidget::selectionChanged, grid, describeDate);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        grid->installEventFilter(new FocusAnnouncer(grid));
#endif
    }
    PlaceTwips(MV, 270, 3840, 2910, 2370);
    FitCalendarText();

    fraStarUserSignDetails = new QGroupBox(QStringLiteral("Your Star Sign "), client);
    fraStarUserSignDetails->setObjectName(QStringLiteral("fraStarUserSignDetails"));
    fraStarUserSignDetails->setFont(WindowFont(9.75, true));
    PlaceTwips(fraStarUserSignDetails, 3450, 300, 6675, 6435);

    // The sign's details on the right, one row each: the caption's label at the left and, beside it,
    // a one-line box or a text box that a screen reader names by the same caption.
    struct DetailRow {
        const char* labelName;
        const char* caption;
        int labelTop, labelWidth, labelHeight;
        QLineEdit* W::*line;
        QPlainTextEdit* W::*text;
        const char* boxName;
        int boxTop, boxHeight;
    };
    const DetailRow detailRows[] = {
        {"Label4", "Ruling Planet", 300, 1110, 195, &W::txtRulingPlanet, nullptr, "txtRulingPlanet", 255,
         285},
        {"Label2", "Positive Traits", 960, 1200, 195, nullptr, &W::txtPositiveTraits, "txtPositiveTraits",
         630, 855},
        {"Label6", "Negative Traits", 1905, 1290, 195, nullptr, &W::txtNegativeTraits, "txtNegativeTraits",
         1575, 855},
        {"Label7", "Lucky Color", 2565, 1020, 195, &W::txtLuckyColor, nullptr, "txtLuckyColor", 2520, 285},
        {"Label11", "GemStone", 2940, 900, 195, &W::txtGemStone, nullptr, "txtGemStone", 2895, 285},
        {"Label12", "Energy", 3315, 600, 195, &W::txtEnergy, nullptr, "txtEnergy", 3270, 285},
        {"Label5", "Lucky Seasons", 3690, 1275, 195, &W::txtLuckySeason, nullptr, "txtLuckySeason", 3645,
         285},
        {"Label8", "Lucky Month", 4065, 1065, 195, &W::txtLuckyMonth, nullptr, "txtLuckyMonth", 4020, 285},
        {"Label3", "Most Compatible Sign", 4440, 1860, 195, &W::txtMostCompSign, nullptr, "txtMostCompSign",
         4395, 285},
        {"Label9", "Least Compatible Sign", 4815, 1920, 195, &W::txtLeastCompSign, nullptr,
         "txtLeastCompSign", 4770, 285},
        {"Label10", "Famous Personalities Born Under this Sign", 5250, 1800, 435, nullptr,
         &W::txtFamousPersons, "txtFamousPersons", 5145, 645},
    };
    constexpr int LabelLeft = 150, BoxLeft = 2130, BoxWidth = 4455, OneLine = 195;
    QWidget* right = fraStarUserSignDetails;
    for (const DetailRow& row : detailRows) {
        const QString caption = QString::fromUtf8(row.caption);
        QLabel* label = PlacedLabel(right, QString::fromLatin1(row.labelName), caption, LabelLeft,
                                    row.labelTop, row.labelWidth, row.labelHeight);
        // A caption laid out taller than one line is meant to wrap.
        if (row.labelHeight > OneLine)
            label->setWordWrap(true);
        const QString boxName = QString::fromLatin1(row.boxName);
        if (row.line)
            this->*row.line =
                MakeLineBox(boxName, caption, right, BoxLeft, row.boxTop, BoxWidth, row.boxHeight);
        else
            this->*row.text =
                MakeTextBox(boxName, caption, right, BoxLeft, row.boxTop, BoxWidth, row.boxHeight);
    }

    struct ButtonPlace {
        QPushButton* W::*button;
        const char* name;
        const char* caption;
        int left;
    };
    for (const ButtonPlace& place : {ButtonPlace{&W::cmdPrint, "cmdPrint", "&Print", 3480},
                                     ButtonPlace{&W::cmdExit, "cmdExit", "E&xit", 4530},
                                     ButtonPlace{&W::cmdBack, "cmdBack", "&Back", 5595}})
        this->*place.button = PlacedButton(right, QString::fromLatin1(place.name),
                                           QString::fromUtf8(place.caption), place.left, 5940, 1005, 345);

    // The full-brand offer lies over the co-brand offer.
    fraFullBrand = new BrandFrame(client, QRect(38, 6840, 10065, 855), QRect(120, 165, 9825, 615), false);

    connect(cmdPrint, &QPushButton::clicked, this, &frmSignDetails::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmSignDetails::cmdExit_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmSignDetails::cmdBack_Click);
    connect(Label14, &LinkLabel::clicked, this, [] { OpenWebPage(QStringLiteral("home-page")); });
}

void frmSignDetails::Form_Load() {
    const QString sign = FromUtf8(m_reading.Sign);
    fraStarUserSignDetails->setTitle(sign);
    fraStarUserSignDetails->setAccessibleName(sign);
    SetLabelText(lblChineseSign, sign);

    const std::string title(NameTitle(m_reading.Sex));
    SetLabelText(lblName, FromUtf8(title + ' ' + m_reading.Name));
    // The name label grows to fit its text from its laid-out corner.
    lblName->adjustSize();

    ShowBirthDate(MV, m_reading);

    SetLabelText(lblChineseElement, FromUtf8(m_reading.Element));
    // Labels take no focus, so a screen reader would not say them on arrival; descriptions carry
    // them. Orca 43 says the window's description after the title; Orca 48 drops the description
    // of the window it announces but says that of the group the focus arrives in. Neither says
    // the other's, so the reading is heard once with each.
    const QString summary = ReadingSummary(lblName->text(), sign, lblChineseElement->text());
    setAccessibleDescription(summary);
    fraStarUserDetails->setAccessibleDescription(summary);

    txtChineseElement->setPlainText(FromUtf8(m_reading.ElementDescription));
    const auto setLine = [](QLineEdit* box, const std::string& value) {
        box->setText(FromUtf8(value));
        box->setCursorPosition(0);
    };
    setLine(txtRulingPlanet, m_reading.RulingPlanet);
    txtPositiveTraits->setPlainText(FromUtf8(m_reading.PositiveTraits));
    txtNegativeTraits->setPlainText(FromUtf8(m_reading.NegativeTraits));
    setLine(txtLuckyColor, m_reading.LuckyColor);
    setLine(txtGemStone, m_reading.GemStone);
    setLine(txtEnergy, m_reading.Energy);
    setLine(txtLuckySeason, m_reading.FavourableSeason);
    setLine(txtLuckyMonth, m_reading.FavourableMonth);
    setLine(txtMostCompSign, m_reading.MostCompatibleSign);
    setLine(txtLeastCompSign, m_reading.LeastCompatibleSign);
    txtFamousPersons->setPlainText(FromUtf8(m_reading.FamousPersons));
}

void frmSignDetails::FitCalendarHeight() {
    // Styles with roomier controls (Adwaita's month bar and taller cells, Breeze's wider ones) need
    // more than the place laid out for the calendar, and the last week or day would be cut: the
    // calendar takes the room left below it in its frame, and smaller dates where that is not enough.
    const int designed = TwipsRect(0, 0, 0, 2370).height();
    const int room = std::max(designed, fraStarUserDetails->contentsRect().bottom() + 1 - MV->y());
    // What fits depends on the style, the fonts, the screen and the day names, not on the reading:
    // every later window takes the first one's answer instead of measuring the calendar again.
    struct Fit {
        double points;
        int height;
    };
    static QHash<QString, Fit> fits;
    const QFontInfo family(WindowFont());
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                            .arg(reinterpret_cast<quintptr>(MV->style()))
                            .arg(family.family())
                            .arg(MV->logicalDpiY())
                            .arg(MV->devicePixelRatio())
                            .arg(room)
                            .arg(MV->width())
                            .arg(MV->locale().name())
                            .arg(MV->headerTextFormat().fontPointSize());
    auto fit = fits.constFind(key);
    if (fit == fits.constEnd()) {
        double chosen = 0;
        for (const double points : {8.25, 7.5, 7.0, 6.0}) {
            chosen = points;
            MV->setFont(WindowFont(points));
            const QSize needed = MV->minimumSizeHint();
            if (needed.height() <= room && needed.width() <= MV->width())
                break;
        }
        fit = fits.insert(key, Fit{chosen, std::clamp(MV->minimumSizeHint().height(), designed, room)});
    } else {
        MV->setFont(WindowFont(fit->points));
    }
    MV->resize(MV->width(), fit->height);
    // Some styles (Breeze) hold rows and columns to a minimum above what the dates need, and the
    // last ones run past the calendar's edge: the dates' own size is the minimum.
    if (auto* grid = MV->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))) {
        const QFontMetrics metrics(MV->font());
        grid->verticalHeader()->setMinimumSectionSize(metrics.height());
        grid->horizontalHeader()->setMinimumSectionSize(metrics.horizontalAdvance(QStringLiteral("00")));
    }
}

void frmSignDetails::FitCalendarText() {
    FitCalendarHeight();
    // Seven columns in the laid-out width leave little room: the day names take the largest of the
    // window font and two slightly smaller sizes in which every name fits, or single letters.
    const int margin = MV->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, MV) + 1;
    const qreal room = MV->width() / 7.0 - 2 * margin - 1;
    const QLocale locale = MV->locale();
    QTextCharFormat header = MV->headerTextFormat();
    MV->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    for (const double points : {8.25, 7.5, 7.0}) {
        const QFontMetricsF metrics(WindowFont(points));
        bool fits = true;
        for (int day = 1; day <= 7 && fits; ++day)
            fits = metrics.horizontalAdvance(locale.dayName(day, QLocale::ShortFormat)) <= room;
        if (fits) {
            header.setFont(WindowFont(points), QTextCharFormat::FontPropertiesSpecifiedOnly);
            MV->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
            break;
        }
    }
    MV->setHeaderTextFormat(header);

    // Qt draws the weekend in pure red, which reads poorly on white and worse on a dark theme.
    // The dates lie on the base colour, the day names on the alternate one.
    const QPalette palette = MV->palette();
    const QColor red = ReadableInPalette(ReadableInPalette(Qt::red, palette, QPalette::Base), palette,
                                         QPalette::AlternateBase);
    for (const Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
        QTextCharFormat weekend = MV->weekdayTextFormat(day);
        weekend.setForeground(red);
        MV->setWeekdayTextFormat(day, weekend);
    }
}

void frmSignDetails::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && MV)
        FitCalendarText();
}

void ShowBirthDate(QCalendarWidget* calendar, const ZodiacReading& reading) {
    // The whole date is set at once, so the calendar never passes through a day the month lacks;
    // a part that does not convert keeps what the calendar showed.
    const QDate shown = calendar->selectedDate();
    const int year = ShortNumber(reading.YearText).value_or(shown.year());
    const auto month = MonthNumber(reading.MonthName);
    const int monthNumber = month ? static_cast<int>(*month) : shown.month();
    const std::optional<int> day = ShortNumber(reading.DayText);

    QDate target(year, monthNumber, day.value_or(shown.day()));
    if (!target.isValid())
        target = QDate(year, monthNumber, shown.day());
    if (!target.isValid() || target < calendar->minimumDate() || target > calendar->maximumDate())
        return;
    calendar->setSelectedDate(target);
    calendar->setCurrentPage(target.year(), target.month());
}

void frmSignDetails::cmdPrint_Click() {
    emit printRequested();
}

void frmSignDetails::cmdBack_Click() {
    // Set before closing, so the close below is taken as the hand-over, also when the menu calls this.
    m_backHandOver = true;
    emit backRequested();
    close();
}

void frmSignDetails::cmdExit_Click() {
    close();
}

void frmSignDetails::mnuAbout_Click() {
    frmAbout about(this);
    about.exec();
}

void frmSignDetails::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_backHandOver && !IsEndingApplication())
        emit endRequested();
}

} // namespace zodiac
