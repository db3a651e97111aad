#pragma once
#include "NewYearTable.h"
#include "ZodiacReading.h"
#include "frmMain.h"
#include "frmSignDetails.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <random>

namespace zodiac {

// Draws 1 to 6; odd puts the co-brand offer on top, even the full-brand offer. Returns the number drawn.
int CoBrand_Randomize(frmMain& window, std::mt19937& generator);

// Owns the reading and the New Year table for the whole run and wires the two windows' hand-overs,
// since the windows themselves never know each other. The table is built once, with the flow; the
// main window hands in what the user entered and the flow makes the reading of it.
class ApplicationFlow : public QObject {
    Q_OBJECT

public:
    explicit ApplicationFlow(std::uint32_t seed, QObject* parent = nullptr);

    // The start-up sequence after the single-instance check: reminder, main window, brand draw,
    // then the record named on the command line, if any.
    void StartApplication(const QDate& today, const QString& recordPath = QString());

    // Opens the record from the event loop, once the main window is up, as its Open button would.
    void OpenRecordWhenShown(const QString& path);

    frmMain* ShowMainWindow();
    frmSignDetails* ShowSignDetails();

    frmMain* MainWindow() const { return m_main; }
    frmSignDetails* SignDetails() const { return m_details; }
    const ZodiacReading& Reading() const { return m_reading; }

private:
    // Builds a details window once, while the user fills in the first main window, draws it off
    // screen and throws it away, so that the first Proceed finds the fonts, glyphs, style pictures
    // and the window's own code ready, as every later Proceed does. Nothing of it is shown.
    void RehearseSignDetails();

    bool m_rehearsed = false;
    ZodiacReading m_reading;
    const NewYearTable m_table = BuildNewYearTable();
    std::mt19937 m_generator;
    QPointer<frmMain> m_main;
    QPointer<frmSignDetails> m_details;
};

} // namespace zodiac
