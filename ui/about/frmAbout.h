#pragma once
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace zodiac {

class LinkLabel;

// Names the product and offers the home page and the full-branding offer. Fixed contents; opened
// modally (exec) and built afresh each time. It does not delete itself on close.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* Label2 = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    QFrame* Line2 = nullptr;
    QLabel* Label1 = nullptr;

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();
};

} // namespace zodiac
