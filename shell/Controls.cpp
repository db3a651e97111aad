#include "Controls.h"

#include "WindowFonts.h"

#include <QLabel>

namespace zodiac {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PlainCaption(const QString& caption) {
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    return plain;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(WindowFont());
    SetLabelText(label, text);
    return label;
}

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

} // namespace zodiac
