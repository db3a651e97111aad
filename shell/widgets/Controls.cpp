#include "Controls.h"

#include "LinkLabel.h"
#include "WindowFonts.h"

#include <QAbstractListModel>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

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

LinkLabel* MakeLink(QWidget* parent, const QString& name, const QString& text, const QColor& color,
                    Qt::Alignment alignment) {
    auto* link = new LinkLabel(text, color, parent);
    link->setObjectName(name);
    link->setFont(LinkFont(false));
    link->setAlignment(alignment);
    return link;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(WindowFont());
    button->setAccessibleName(PlainCaption(caption));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

namespace {

// A list whose drop-down is built when it is first opened or asked for. QComboBox builds the
// drop-down, a window with a list view, as soon as the list is given a font, which every start
// paid for three lists; built later, the drop-down takes the list's font all the same. (Qt 6.8
// builds it anyway when the list's first entry becomes the current one.)
class DropDownList : public QComboBox {
public:
    using QComboBox::QComboBox;

    void SetFirstFont(const QFont& font) {
        firstFont = true;
        setFont(font);
        firstFont = false;
    }

protected:
    void changeEvent(QEvent* event) override {
        // Nothing has measured the new list yet, so there is no size to forget either.
        if (firstFont && event->type() == QEvent::FontChange)
            QWidget::changeEvent(event);
        else
            QComboBox::changeEvent(event);
    }

private:
    bool firstFont = false;
};

// Read-only entries computed on request; they show, compare and search as QComboBox's own do.
class FixedEntries : public QAbstractListModel {
public:
    FixedEntries(int count, std::function<QString(int)> entry, QObject* parent)
        : QAbstractListModel(parent), m_count(count), m_entry(std::move(entry)) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_count; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
            (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return m_entry(index.row());
    }

private:
    const int m_count;
    const std::function<QString(int)> m_entry;
};

} // namespace

QComboBox* MakeList(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* list = new DropDownList(parent);
    list->setObjectName(name);
    list->SetFirstFont(WindowFont());
    list->setEditable(false);
    list->setAccessibleName(accessibleName);
    // Qt 6.4 reports a drop-down list to AT-SPI by its current entry in place of its name, so the
    // name also goes into the description, which screen readers speak after the entry. No label
    // should have a list as its buddy: a screen reader says such a label in place of the entry,
    // and the value goes unheard.
    list->setAccessibleDescription(accessibleName);
    return list;
}

void SetFixedEntries(QComboBox* list, int count, std::function<QString(int)> entry) {
    // The list's own model goes with it, as it is the list's child.
    list->setModel(new FixedEntries(count, std::move(entry), list));
}

void SettleTextBox(QAbstractScrollArea* box) {
    box->ensurePolished();
    // The box places its scroll bars and text area; the text area's size is what the text wraps to.
    for (QWidget* widget : {static_cast<QWidget*>(box), box->viewport()}) {
        QResizeEvent placed(widget->size(), QSize());
        QCoreApplication::sendEvent(widget, &placed);
        widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

void KeepShapedText(QTextDocument* document) {
    // The document tells of new text before its layout lays the paragraphs out.
    QObject::connect(
        document, &QTextDocument::contentsChange, document, [document](int position, int, int added) {
            const QTextBlock last = document->findBlock(position + added);
            for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
                block.layout()->setCacheEnabled(true);
                if (block == last)
                    break;
            }
        });
}

} // namespace zodiac
