#include "MessageBox.h"

#include "AppInfo.h"

#include <QMessageBox>

namespace zodiac {

namespace {
std::function<MessageAnswer(const ShownMessage&)>& Answerer() {
    static std::function<MessageAnswer(const ShownMessage&)> answerer;
    return answerer;
}
} // namespace

void SetMessageAnswerer(std::function<MessageAnswer(const ShownMessage&)> answerer) {
    Answerer() = std::move(answerer);
}

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, bool yesNo) {
    const QString caption = QString::fromUtf8(ApplicationTitle);
    if (Answerer()) {
        return Answerer()(ShownMessage{text, caption, icon, yesNo});
    }

    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, caption,
                    text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    if (yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (!yesNo) {
        return MessageAnswer::Ok;
    }
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace zodiac
