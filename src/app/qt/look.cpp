#include "app/qt/look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleHints>

namespace kestrova {

namespace {

bool desktop_is_dark(const QPalette& desktop) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme();
    if (scheme != Qt::ColorScheme::Unknown) return scheme == Qt::ColorScheme::Dark;
#endif
    // Without a reported scheme: a desktop whose windows are dark is dark.
    return desktop.color(QPalette::Window).lightness() < 128;
}

QPalette dark_palette() {
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 32), text(225, 225, 225), accent(47, 127, 216);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(60, 60, 64));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, accent.lighter(130));
    p.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    return p;
}

}  // namespace

void follow_desktop_look() {
    const QPalette desktop = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    auto apply = [desktop] {
        QApplication::setPalette(desktop_is_dark(desktop) ? dark_palette() : QApplication::style()->standardPalette());
    };
    apply();
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, qApp, apply);
#endif
}

}  // namespace kestrova
