// frmSave: the report window, which shows the reading as a report to print or save as a record.
#pragma once
#include "ZodiacReading.h"

#include <QDialog>

class QGroupBox;
class QPushButton;
class QTextEdit;

namespace zodiac {

class BrandFrame;
class LinkLabel;

// The report window: the reading as a formatted report, to print or save as a record.
// Shown modally; the caller owns it (one per showing).
class frmSave : public QDialog {
    Q_OBJECT

public:
    explicit frmSave(const ZodiacReading& reading, QWidget* parent = nullptr);

public slots:
    void cmdPrint_Click();
    void cmdSave_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void ShowReport();
    void RTB_Change();
    void EmptyClipboards();
    void SelectionTaken();
    void Label1_Click();
    void Label14_Click();

    ZodiacReading m_reading;
    LinkLabel* Label14 = nullptr;
    LinkLabel* Label1 = nullptr;
    QTextEdit* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    BrandFrame* fraFullBrand = nullptr;
};

} // namespace zodiac
