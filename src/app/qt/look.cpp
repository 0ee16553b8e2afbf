#include "app/qt/look.h"

#include <QApplication>
#include <QSettings>
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

const QString look_key = QStringLiteral("look");
QPalette desktop_palette;  // as the desktop gave it, before the program's look replaced it

void apply_look() {
    const Look look = chosen_look();
    const bool dark = look == Look::dark || (look == Look::desktop && desktop_is_dark(desktop_palette));
    QApplication::setPalette(dark ? dark_palette() : QApplication::style()->standardPalette());
}

}  // namespace

void follow_desktop_look() {
    desktop_palette = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    apply_look();
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, qApp, apply_look);
#endif
}

Look chosen_look() {
    const QString kept = QSettings().value(look_key).toString();
    return kept == QLatin1String("light") ? Look::light : kept == QLatin1String("dark") ? Look::dark : Look::desktop;
}

void choose_look(Look look) {
    QSettings().setValue(look_key, look == Look::light ? "light" : look == Look::dark ? "dark" : "desktop");
    apply_look();
}

}  // namespace kestrova
