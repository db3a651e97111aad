#include "WindowSetup.h"

#include "AppInfo.h"
#include "Twips.h"
#include "WindowFonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zodiac {

Qt::WindowFlags WindowFlagsFor(WindowKind kind) {
    const Qt::WindowFlags type = kind == WindowKind::Main ? Qt::Window : Qt::Dialog;
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

void SetUpWindow(QWidget* window, WindowKind kind, const QString& objectName, QSize twips) {
    window->setObjectName(objectName);
    if (kind == WindowKind::Main)
        window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromUtf8(WindowCaption));
    window->setFont(WindowFont());
    if (twips.isValid())
        window->setFixedSize(TwipsRect(0, 0, twips.width(), twips.height()).size());
}

void CentreOnScreen(QWidget* window) {
    const QWidget* parent = window->parentWidget();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->rect();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace zodiac
