#include "OneRunLine.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

namespace zodiac {

namespace {

class OneRunLineAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
public:
    explicit OneRunLineAccessible(OneRunLine* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value)
            return Box()->text();
        return QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString& text) override {
        if (type == QAccessible::Value && !Box()->isReadOnly())
            Box()->setText(text);
        else
            QAccessibleWidget::setText(type, text);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = Box()->isReadOnly();
        state.editable = !Box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !Box()->hasSelectedText())
            return;
        *startOffset = Box()->selectionStart();
        *endOffset = Box()->selectionEnd();
    }
    int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0)
            Box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0)
            Box()->setSelection(startOffset, endOffset - startOffset);
    }

    int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int position) override { Box()->setCursorPosition(position); }

    QString text(int startOffset, int endOffset) const override {
        const QString all = Box()->text();
        if (startOffset < 0 || endOffset > all.size() || startOffset > endOffset)
            return QString();
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Box()->text().size()); }

    // Offset -2 stands for the caret, as in Qt's own line edit.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override {
        return QAccessibleTextInterface::textBeforeOffset(Caret(offset), boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override {
        return QAccessibleTextInterface::textAfterOffset(Caret(offset), boundary, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override {
        return QAccessibleTextInterface::textAtOffset(Caret(offset), boundary, startOffset, endOffset);
    }

    QRect characterRect(int offset) const override {
        const QRect local = Box()->CharacterRect(offset);
        if (local.isEmpty())
            return QRect();
        return QRect(Box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int /*endIndex*/) override {
        Box()->setCursorPosition(startIndex);
    }

    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        const int count = characterCount();
        if (offset < 0 || offset > count) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        // The box has one font and no formatting: its whole text is one run.
        *startOffset = 0;
        *endOffset = count;
        return QString();
    }

    // Edits go through the box as typing would, so its length limit and undo hold.
    void deleteText(int startOffset, int endOffset) override { Replace(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { Replace(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        Replace(startOffset, endOffset, text);
    }

private:
    OneRunLine* Box() const { return static_cast<OneRunLine*>(widget()); }
    int Caret(int offset) const { return offset == -2 ? Box()->cursorPosition() : offset; }

    void Replace(int startOffset, int endOffset, const QString& text) {
        const int count = characterCount();
        if (Box()->isReadOnly() || startOffset < 0 || endOffset > count || startOffset > endOffset)
            return;
        if (startOffset == endOffset)
            Box()->setCursorPosition(startOffset);
        else
            Box()->setSelection(startOffset, endOffset - startOffset);
        Box()->insert(text);
    }
};

QAccessibleInterface* OneRunLineFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(OneRunLine::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new OneRunLineAccessible(static_cast<OneRunLine*>(object));
    return nullptr;
}

} // namespace

OneRunLine::OneRunLine(QWidget* parent) : QLineEdit(parent) {
    // Qt asks the factories for the most derived class first, so this one wins over Qt's own.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&OneRunLineFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

QRect OneRunLine::CharacterRect(int offset) const {
    const QString all = text();
    if (offset < 0 || offset >= all.size())
        return QRect();
    // Measured from the caret, which already accounts for margins and horizontal scrolling.
    const QFontMetrics metrics(font());
    const int caretX = cursorRect().center().x() - metrics.horizontalAdvance(all.left(cursorPosition()));
    const int left = caretX + metrics.horizontalAdvance(all.left(offset));
    const int width = qMax(1, metrics.horizontalAdvance(all.mid(offset, 1)));
    const int top = (height() - metrics.height()) / 2;
    return QRect(left, top, width, metrics.height());
}

} // namespace zodiac
