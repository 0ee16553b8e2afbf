#include "app/qt/window_geometry.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QScrollArea>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace kestrova {

namespace {
constexpr double screen_share = 0.9;
constexpr QSize laptop_screen(1500, 950);  // below this the window opens maximised
const char* const geometry_key = "mainWindow/geometry";
}  // namespace

QSize start_size(QSize preferred, QSize minimum, QSize available) {
    const int w = std::min(preferred.width(), static_cast<int>(available.width() * screen_share));
    const int h = std::min(preferred.height(), static_cast<int>(available.height() * screen_share));
    return {std::max(w, minimum.width()), std::max(h, minimum.height())};
}

QSize available_screen_area(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1280, 800);
}

void fit_to_screen(QMainWindow& window, QSize available) {
    QSize whole = window.minimumSizeHint();
    if (const auto* scroll = qobject_cast<const QScrollArea*>(window.centralWidget()); scroll && scroll->widget()) {
        // The scroll area itself may shrink to nothing: take its content's
        // minimum plus the menu, tool and status bars around it.
        int bars = window.menuBar()->sizeHint().height() + window.statusBar()->sizeHint().height();
        for (const QToolBar* t : window.findChildren<QToolBar*>())
            if (window.toolBarArea(t) == Qt::TopToolBarArea) bars += t->sizeHint().height();
        whole = whole.expandedTo(scroll->widget()->minimumSizeHint() + QSize(0, bars));
    }
    // Too big for the screen: the controls scroll in a window that fits.
    const QSize share(static_cast<int>(available.width() * screen_share),
                      static_cast<int>(available.height() * screen_share));
    const bool fits = whole.width() <= available.width() && whole.height() <= available.height();
    const QSize minimum = fits ? whole : whole.boundedTo(share);
    window.setMinimumSize(minimum);
    window.resize(opens_maximised(available) ? available.expandedTo(minimum)
                                             : start_size(QSize(1600, 1000), minimum, available));
}

bool opens_maximised(QSize available) {
    // A laptop on set: the move needs every pixel.
    return available.width() < laptop_screen.width() || available.height() < laptop_screen.height();
}

bool restore_geometry(QWidget& window) {
    const QByteArray saved = QSettings().value(geometry_key).toByteArray();
    return !saved.isEmpty() && window.restoreGeometry(saved);
}

void save_geometry(const QWidget& window) { QSettings().setValue(geometry_key, window.saveGeometry()); }

}  // namespace kestrova
