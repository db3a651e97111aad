// Times the program's own hand-overs, in one process, with the program's own code:
//   bench_handovers --runs N   Proceed to the details window shown and Print to the report window
//                              shown, N times each; prints "proceed_ms MEDIAN MAX" and "print_ms MEDIAN MAX"
//   bench_handovers --memory   the start-up sequence, then Proceed; prints the peak resident KiB
//                              once the details window is shown
#include "BenchClock.h"
#include "StartApplication.h"
#include "frmSave.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>

namespace {

void FillIn(frmMain* window) {
    window->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Lee"));
    window->findChild<QRadioButton*>(QStringLiteral("optSex_1"))->setChecked(true);
    window->findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentIndex(44);
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

int Fail(const char* what) {
    std::fprintf(stderr, "bench_handovers: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication();
    const QStringList arguments = app.arguments();
    ApplicationFlow flow(20261208);

    if (arguments.contains(QStringLiteral("--memory"))) {
        bench::FirstPaintWatch mainShown(IsMain);
        if (mainShown.Time([&flow] { flow.StartApplication(QDate::currentDate()); }) < 0)
            return Fail("the main window was not shown");
        frmMain* main = flow.MainWindow();
        if (!main)
            return Fail("there is no main window");
        FillIn(main);
        bench::FirstPaintWatch detailsShown(IsDetails);
        if (detailsShown.Time([main] { main->cmdProceed_Click(); }) < 0)
            return Fail("the details window was not shown");
        std::printf("%ld\n", bench::PeakResidentKiB());
        return 0;
    }

    const int index = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = index >= 0 ? arguments.value(index + 1).toInt() : 0;
    if (runs <= 0)
        return Fail("usage: bench_handovers --runs N | --memory");

    bench::FirstPaintWatch mainShown(IsMain);
    bench::FirstPaintWatch detailsShown(IsDetails);
    bench::FirstPaintWatch reportShown(IsReport);
    if (mainShown.Time([&flow] { flow.ShowMainWindow(); }) < 0)
        return Fail("the main window was not shown");

    std::vector<double> proceed;
    std::vector<double> print;
    for (int run = 0; run < runs; ++run) {
        frmMain* main = flow.MainWindow();
        if (!main)
            return Fail("there is no main window");
        FillIn(main);
        const double proceedMs = detailsShown.Time([main] { main->cmdProceed_Click(); });
        frmSignDetails* details = flow.SignDetails();
        if (proceedMs < 0 || !details)
            return Fail("the details window was not shown");
        // The report is modal: it is closed from inside its own event loop once shown.
        const double printMs =
            reportShown.Time([details] { details->cmdPrint_Click(); },
                             [](QWidget* report) { static_cast<QDialog*>(report)->reject(); });
        if (printMs < 0)
            return Fail("the report window was not shown");
        proceed.push_back(proceedMs);
        print.push_back(printMs);

        if (mainShown.Time([details] { details->cmdBack_Click(); }) < 0)
            return Fail("the main window did not come back");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("proceed_ms %.2f %.2f\n", bench::Median(proceed),
                *std::max_element(proceed.begin(), proceed.end()));
    std::printf("print_ms %.2f %.2f\n", bench::Median(print), *std::max_element(print.begin(), print.end()));
    return 0;
}
