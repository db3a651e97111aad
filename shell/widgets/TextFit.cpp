#include "TextFit.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace zodiac {

void FitWidthToText(QWidget* control, int rightLimit) {
    const int wanted = std::min(control->sizeHint().width(), rightLimit - control->x());
    if (wanted > control->width())
        control->resize(wanted, control->height());
}

namespace {

void FitPolishedLineBox(QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    // A line box keeps one pixel above and below its text.
    const int needed = static_cast<int>(std::ceil(QFontMetricsF(box->font()).height())) + 2;
    int missing = needed - (contents.height() - margins.top() - margins.bottom());
    if (missing <= 0)
        return;
    // First the style's own text margins, then its padding down to one pixel inside the frame line.
    int top = margins.top();
    int bottom = margins.bottom();
    const int floor = -std::max(0, option.lineWidth - 1);
    while (missing > 0 && (top > floor || bottom > floor)) {
        if (top >= bottom && top > floor)
            --top;
        else
            --bottom;
        --missing;
    }
    box->setTextMargins(margins.left(), top, margins.right(), bottom);
}

// Styles set their text margins when they polish a control, so the fit comes after that.
class LineBoxFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish || event->type() == QEvent::Resize)
            FitPolishedLineBox(static_cast<QLineEdit*>(watched));
        return false;
    }
};

} // namespace

void FitLineBoxHeight(QLineEdit* box) {
    box->installEventFilter(new LineBoxFitter(box));
    FitPolishedLineBox(box);
}

int ListTextRoom(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    option.subControls = QStyle::SC_All;
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .width();
}

void FitListFont(QComboBox* list) {
    QFont font = list->font();
    for (int step = 0; step < 2; ++step) {
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
        if (widest <= ListTextRoom(list))
            return;
        font.setPointSizeF(font.pointSizeF() - 0.75);
        list->setFont(font);
    }
}

} // namespace zodiac
