#pragma once

#include <QColor>
#include <QDate>
#include <QWidget>

class QComboBox;

namespace zodiac {

// Three drop-down lists (day, month, year) that together pick one date and keep the day valid for the
// chosen month.
class ucNADatePicker : public QWidget {
    Q_OBJECT

public:
    static constexpr int FirstYear = 1936;
    static constexpr int LastYear = 2008;
    static constexpr int WidthTwips = 3195;
    static constexpr int HeightTwips = 400;

    explicit ucNADatePicker(QWidget* parent = nullptr);
    // Takes "today" from the caller so a test can fix the day of creation.
    ucNADatePicker(const QDate& today, QWidget* parent = nullptr);

    QDate Value() const;
    // Selects the whole date. Returns false, and leaves the lists as they were, for an invalid date or
    // a year outside FirstYear..LastYear.
    bool setValue(const QDate& value);

    bool Enabled() const { return m_enabled; }
    void setEnabledFlag(bool enabled);

    QColor ForeColor() const;
    void setForeColor(const QColor& color);

    // The date selected at creation for a given day: today itself, or today's day and month in the
    // nearest year of the list when today's year is not listed.
    static QDate InitialDate(const QDate& today);
    // Days of month `month` in `year`, by the Gregorian calendar.
    static int DaysInMonth(int year, int month);
    // The fixed size of the control in pixels.
    static QSize FixedSize();

signals:
    void DateChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void UserControl_Initialize(const QDate& today);
    void cboDate_Click();
    void cboMonth_Click();
    void cboYear_Click();
    void AdjustDayToMonth();
    void SelectWholeDate(const QDate& value);

    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    bool m_enabled = true;
};

} // namespace zodiac
