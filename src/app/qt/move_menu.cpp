#include "app/qt/move_menu.h"

#include <QAction>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "app/app.h"
#include "app/messages.h"
#include "app/retime_commands.h"
#include "base/qt/settings_writer.h"

namespace kestrova {

namespace {

const QString share_key = QStringLiteral("retime/sharePercent");

QAction* add_item(QMenu* menu, const char* name, const QString& text, const QString& tip, std::function<void()> act,
                  std::function<void()> after) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(tip);
    a->setStatusTip(tip);
    QObject::connect(a, &QAction::triggered, menu, [act = std::move(act), after = std::move(after)] {
        act();
        if (after) after();
    });
    return a;
}

}  // namespace

QAction* add_move_menu(QMainWindow& window, App& app, std::function<void()> after) {
    AppState& s = app.state();
    // A kept share outside 1..100 (edited by hand) is said and leaves the default.
    if (const Result<> kept = set_retime_share(s, QSettings().value(share_key, 100).toInt()); !kept)
        s.notices.say(kept.error());
    QMenu* menu = window.menuBar()->addMenu("Move");
    menu->setObjectName("moveMenu");
    menu->setToolTipsVisible(true);
    QAction* fit = add_item(menu, "fitMove", "Fit to rig",
                            "Slow only what the rig cannot follow, along the same path; pinned keyframes keep their "
                            "frames (Ctrl+F)",
                            [&s] { retime_present_move(s, Retiming::fit); }, after);
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    fit->setShortcutContext(Qt::WindowShortcut);
    window.addAction(fit);
    add_item(menu, "fitFastest", "Fastest move",
             "The shortest move along the same path within the axes' limits; pinned keyframes keep their frames",
             [&s] { retime_present_move(s, Retiming::fastest); }, after);
    add_item(menu, "stretchMove", "Stretch to Total frames",
             "Retime the whole move evenly to the length in the Total frames box, keyframes moved in proportion",
             [&s] { retime_present_move(s, Retiming::stretch); }, after);
    menu->addSeparator();
    add_item(menu, "retimeShare", "Share of the limits...",
             "How much of each axis's max speed and acceleration Fit to rig and Fastest move use, e.g. 90 % for a "
             "margin",
             [&window, &s] {
                 bool ok = false;
                 const int percent = QInputDialog::getInt(&window, "Share of the limits",
                                                          "Fit to rig and Fastest move use this share of each axis's "
                                                          "max speed and acceleration (%):",
                                                          s.retiming.share_percent, 1, 100, 1, &ok);
                 if (!ok) return;
                 if (Result<> r = set_retime_share(s, percent); !r) {
                     s.notices.say(r.error());
                     return;
                 }
                 write_settings(s.notices, [percent](QSettings& out) { out.setValue(share_key, percent); });
                 s.notices.say(app_msg::share_set(percent));
             },
             after);
    return fit;
}

}  // namespace kestrova
