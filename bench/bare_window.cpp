// An empty Qt Widgets window of the main window's size: what any Qt program pays to show a window.
//   bench_bare_window            shows the window until it is closed or killed
//   bench_bare_window --memory   prints the peak resident KiB once the window is shown, then ends
//   --text                       adds one line of text, so the font system is set up as well
#include "BenchClock.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdio>

int main(int argc, char* argv[]) {
    bench::BenchApplication app(argc, argv);
    const bool memory = app.arguments().contains(QStringLiteral("--memory"));
    const bool text = app.arguments().contains(QStringLiteral("--text"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    // 4950 x 4110 twips at 96 dpi, the main window's size.
    window.setFixedSize(330, 274);
    if (text) {
        auto* label = new QLabel(QStringLiteral("Name"), &window);
        label->move(12, 12);
    }
    if (!memory) {
        window.show();
        return QApplication::exec();
    }

    bench::FirstPaintWatch watch;
    watch.Arm([&window](QWidget* shown) { return shown == &window; }, [&window] { window.show(); },
              [](double ms, QWidget*) {
                  if (ms < 0) {
                      std::fprintf(stderr, "the bare window was not shown\n");
                      QCoreApplication::exit(1);
                      return;
                  }
                  // Settled as long as the program's measurement is.
                  QTimer::singleShot(200, [] {
                      std::printf("%ld\n", bench::PeakResidentKiB());
                      QCoreApplication::exit(0);
                  });
              });
    return QApplication::exec();
}
