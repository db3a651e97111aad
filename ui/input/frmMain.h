#pragma once
#include "SignDetermination.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zodiac {

class BrandFrame;
class LinkLabel;

// The input window: name, sex and birth day. Proceed checks them and hands out what was entered;
// what the reading then holds is decided by whoever receives it.
class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    void cmdProceed_Click();
    void cmdOpen_Click();
    // What Open does with the chosen path: a record given on the command line comes in here too,
    // so it is checked and read exactly as one chosen in the dialog. The empty path is a cancel.
    void OpenRecord(const QString& path);

    // Start-up puts one of the two overlapping brand offers on top.
    void BringBrandLabelToFront(bool coBrand);

signals:
    // Proceed passed the input check: the reading should be made of the input and the details
    // window shown now (this window closes right after).
    void proceeded(const zodiac::ReadingInput& input);
    // Closed other than by the hand-over: the application should end.
    void endRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void BuildControls();
    void SelectSex(SexChoice sex);

    bool m_inProceed = false;

    LinkLabel* Label14 = nullptr;
    LinkLabel* Label3 = nullptr;
    QGroupBox* fraDetails = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QLabel* Label5 = nullptr;
    std::array<QRadioButton*, 2> optSex{};
    QButtonGroup* sexGroup = nullptr;
    QPushButton* cmdProceed = nullptr;
    QPushButton* cmdOpen = nullptr;
    BrandFrame* fraFullBrand = nullptr;
};

} // namespace zodiac
