#pragma once
#include "ZodiacReading.h"

#include <QWidget>

class QAction;
class QCalendarWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace zodiac {

class BrandFrame;
class LinkLabel;

// Selects the reading's birth date on the calendar, whatever day it showed before.
void ShowBirthDate(QCalendarWidget* calendar, const ZodiacReading& reading);

// Shows one finished reading; it only reads the reading and never changes it.
class frmSignDetails : public QWidget {
    Q_OBJECT

public:
    explicit frmSignDetails(const ZodiacReading& reading, QWidget* parent = nullptr);

    void cmdPrint_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuAbout_Click();

signals:
    // Back: a fresh main window should be shown now (this window closes right after).
    void backRequested();
    // Print: the report window should be opened modally over this window.
    void printRequested();
    // Closed other than by the Back hand-over: the application should end.
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenu();
    void BuildControls();
    void Form_Load();
    void FitCalendarHeight();
    void FitCalendarText();

    const ZodiacReading& m_reading;
    bool m_backHandOver = false;

    QMenuBar* menuBar = nullptr;
    QMenu *mnuFile = nullptr, *mnuHelp = nullptr;
    QAction *mnuPrint = nullptr, *mnuBack = nullptr, *mnuExit = nullptr;
    QAction *mnuOnline = nullptr, *mnuVisit = nullptr, *mnuUpdate = nullptr, *mnuAbout = nullptr;
    QAction *mnuDonate = nullptr, *mnuMakeMoney = nullptr;

    QWidget* client = nullptr;
    LinkLabel* Label14 = nullptr;
    QGroupBox* fraStarUserDetails = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblChineseSign = nullptr;
    QLabel* lblChineseElement = nullptr;
    QPlainTextEdit* txtChineseElement = nullptr;
    QCalendarWidget* MV = nullptr;
    QGroupBox* fraStarUserSignDetails = nullptr;
    QLineEdit* txtRulingPlanet = nullptr;
    QPlainTextEdit* txtPositiveTraits = nullptr;
    QPlainTextEdit* txtNegativeTraits = nullptr;
    QLineEdit* txtLuckyColor = nullptr;
    QLineEdit* txtGemStone = nullptr;
    QLineEdit* txtEnergy = nullptr;
    QLineEdit* txtLuckySeason = nullptr;
    QLineEdit* txtLuckyMonth = nullptr;
    QLineEdit* txtMostCompSign = nullptr;
    QLineEdit* txtLeastCompSign = nullptr;
    QPlainTextEdit* txtFamousPersons = nullptr;
    QPushButton *cmdPrint = nullptr, *cmdExit = nullptr, *cmdBack = nullptr;
    BrandFrame* fraFullBrand = nullptr;
};

} // namespace zodiac
