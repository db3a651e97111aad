#include "ClosedListSpeech.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>

namespace zodiac {

namespace {

// Whether Qt itself gives a screen reader the list's entry through the selection interface of
// the list's view, which it has from Qt 6.5 on.
bool ToolkitOffersSelection(QComboBox* list) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list->view());
    return view && view->selectionInterface();
#else
    Q_UNUSED(list);
    return false;
#endif
}

} // namespace

void SpeakClosedListChanges(QComboBox* list) {
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
        // A change the user did not make is not news. The view is asked for only then: asking
        // builds the list's drop-down, which a list not yet opened does without.
        if (index < 0 || !list->hasFocus() || !QAccessible::isActive())
            return;
        // An opened list speaks for itself.
        QAbstractItemView* view = list->view();
        if (!view || view->isVisible())
            return;
        if (ToolkitOffersSelection(list))
            return;
        const QModelIndex entry = list->model()->index(index, list->modelColumn(), list->rootModelIndex());
        // Where Qt moved the view's current entry itself (typed characters), it has told of it.
        if (view->currentIndex() == entry)
            return;
        view->setCurrentIndex(entry);
        QAccessibleEvent focus(view, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    });
}

} // namespace zodiac
