#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace zodiac {

enum class MessageIcon { Information, Critical };
enum class MessageAnswer { Ok, Yes, No };

// A modal message box with the application title as caption and OK, or Yes and No.
MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, bool yesNo = false);

// Test seam: when set, messages go to the answerer instead of a modal box.
struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon;
    bool yesNo;
};
void SetMessageAnswerer(std::function<MessageAnswer(const ShownMessage&)> answerer);

} // namespace zodiac
