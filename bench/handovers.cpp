// Times the program's own hand-overs, in one process, with the program's own code:
//   bench_handovers --runs N   Proceed to the details window shown and Print to the report window
//                              shown, N times each; prints "proceed_ms MEDIAN MAX" and "print_ms MEDIAN MAX"
//   bench_handovers --memory   the start-up sequence, then Proceed; prints the peak resident KiB
//                              once the details window is shown
#include "ApplicationFlow.h"
#include "BenchClock.h"
#include "FontSetUpAhead.h"
#include "PrepareApplication.h"
#include "frmSave.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>

using zodiac::frmMain;
using zodiac::frmSignDetails;

namespace {

void FillIn(frmMain* window) {
    window->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Lee"));
    window->findChild<QRadioButton*>(QStringLiteral("optSex_1"))->setChecked(true);
    window->findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentIndex(1980 - 1900);
}

bool IsDetails(QWidget* window) {
    return qobject_cast<frmSignDetails*>(window) != nullptr;
}
bool IsReport(QWidget* window) {
    return qobject_cast<zodiac::frmSave*>(window) != nullptr;
}
bool IsMain(QWidget* window) {
    return qobject_cast<frmMain*>(window) != nullptr;
}

// Proceed, Print and Back, `runs` times, each started from the event loop as a click is.
class HandoverRuns {
public:
    HandoverRuns(zodiac::ApplicationFlow& flow, int runs) : m_flow(flow), m_runs(runs) {}

    void Start() {
        m_watch.Arm(
            IsMain, [this] { m_flow.ShowMainWindow(); },
            [this](double ms, QWidget*) { ms < 0 ? Stop("the main window was not shown") : Proceed(); });
    }

private:
    void Proceed() {
        frmMain* main = m_flow.MainWindow();
        if (!main)
            return Stop("there is no main window");
        FillIn(main);
        m_watch.Arm(
            IsDetails, [main] { main->cmdProceed_Click(); },
            [this](double ms, QWidget*) {
                if (ms < 0 || !m_flow.SignDetails())
                    return Stop("the details window was not shown");
                m_proceed.push_back(ms);
                Print();
            });
    }

    void Print() {
        frmSignDetails* details = m_flow.SignDetails();
        // The report is modal: it is closed from inside its own event loop once shown.
        m_watch.Arm(
            IsReport, [details] { details->cmdPrint_Click(); },
            [this](double ms, QWidget* report) {
                if (ms < 0)
                    return Stop("the report window was not shown");
                m_print.push_back(ms);
                static_cast<QDialog*>(report)->reject();
                Back();
            });
    }

    void Back() {
        frmSignDetails* details = m_flow.SignDetails();
        m_watch.Arm(
            IsMain, [details] { details->cmdBack_Click(); },
            [this](double ms, QWidget*) {
                if (ms < 0)
                    return Stop("the main window did not come back");
                if (static_cast<int>(m_proceed.size()) < m_runs)
                    Proceed();
                else
                    Report();
            });
    }

    void Report() {
        std::printf("proceed_ms %.2f %.2f\n", bench::Median(m_proceed),
                    *std::max_element(m_proceed.begin(), m_proceed.end()));
        std::printf("print_ms %.2f %.2f\n", bench::Median(m_print),
                    *std::max_element(m_print.begin(), m_print.end()));
        QCoreApplication::exit(0);
    }

    void Stop(const char* what) {
        std::fprintf(stderr, "bench_handovers: %s\n", what);
        QCoreApplication::exit(1);
    }

    zodiac::ApplicationFlow& m_flow;
    const int m_runs;
    bench::FirstPaintWatch m_watch;
    std::vector<double> m_proceed;
    std::vector<double> m_print;
};

// The program's start-up sequence, then Proceed; the peak resident size once the details
// window is shown and the closed main window has been deleted.
class MemoryRun {
public:
    explicit MemoryRun(zodiac::ApplicationFlow& flow) : m_flow(flow) {}

    void Start() {
        m_watch.Arm(
            IsMain, [this] { m_flow.StartApplication(QDate::currentDate()); },
            [this](double ms, QWidget*) {
                frmMain* main = m_flow.MainWindow();
                if (ms < 0 || !main)
                    return Stop("the main window was not shown");
                FillIn(main);
                m_watch.Arm(
                    IsDetails, [main] { main->cmdProceed_Click(); },
                    [this](double shown, QWidget*) {
                        if (shown < 0)
                            return Stop("the details window was not shown");
                        // Let the loop settle, so anything the hand-over still does is counted.
                        QTimer::singleShot(200, [] {
                            std::printf("%ld\n", bench::PeakResidentKiB());
                            QCoreApplication::exit(0);
                        });
                    });
            });
    }

private:
    void Stop(const char* what) {
        std::fprintf(stderr, "bench_handovers: %s\n", what);
        QCoreApplication::exit(1);
    }

    zodiac::ApplicationFlow& m_flow;
    bench::FirstPaintWatch m_watch;
};

} // namespace

int main(int argc, char* argv[]) {
    // As the program starts.
    const zodiac::FontSetUpAhead fonts;
    bench::BenchApplication app(argc, argv);
    zodiac::PrepareApplication();
    const QStringList arguments = app.arguments();
    zodiac::ApplicationFlow flow(20261208);

    if (arguments.contains(QStringLiteral("--memory"))) {
        MemoryRun run(flow);
        run.Start();
        return QApplication::exec();
    }

    const int index = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = index >= 0 ? arguments.value(index + 1).toInt() : 0;
    if (runs <= 0) {
        std::fprintf(stderr, "usage: bench_handovers --runs N | --memory\n");
        return 2;
    }
    HandoverRuns handovers(flow, runs);
    handovers.Start();
    return QApplication::exec();
}
