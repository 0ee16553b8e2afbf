// The transport toolbar, the window's keyboard shortcuts and the rig's state
// shown beside them.
#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/contexts.h"
#include "app/editing_commands.h"
#include "app/messages.h"
#include "app/qt/main_window.h"
#include "app/qt/transport_icons.h"
#include "app/rig_state.h"
#include "files/controls.h"
#include "files/move_file.h"
#include "link/link.h"
#include "motion/controls.h"
#include "move/controls.h"

namespace kestrova {

namespace {
QIcon themed(const char* theme, TransportGlyph fallback, const QColor& colour) {
    return QIcon::fromTheme(QString::fromLatin1(theme), drawn_icon(fallback, colour));
}

// Light text on a colour that says what the rig does; grey when it stands.
QString state_style(RigActivity a, bool online) {
    const char* back = a == RigActivity::playing || a == RigActivity::single_frame ? "#2e7d32"
                       : a == RigActivity::positioning                             ? "#b26a00"
                       : a == RigActivity::jogging                                 ? "#1565c0"
                       : online                                                    ? "#5f6368"
                                                                                   : "#7b1fa2";
    return QStringLiteral("QLabel { color: white; background: %1; border-radius: 3px; padding: 2px 8px; "
                          "font-weight: bold; }")
        .arg(QLatin1String(back));
}
}  // namespace

QAction* MainWindow::transport_action(const QString& name, const QString& text, const QIcon& icon,
                                      const QKeySequence& key, std::function<void()> act) {
    auto* a = new QAction(icon, text, this);
    a->setObjectName(name);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        // Only while no text box has the focus: a box takes its own keys first.
        a->setShortcutContext(Qt::WindowShortcut);
    }
    connect(a, &QAction::triggered, this, [this, act = std::move(act)] {
        act();
        sync();
    });
    addAction(a);
    return a;
}

void MainWindow::run_or_stop() {
    app_.press(app_.state().engine.mode == EngineMode::Idle ? ctl::run_button : ctl::stop_button);
}

void MainWindow::save_move_as() {
    const QString name = ask_move_name().trimmed();
    if (!name.isEmpty()) save_move_file(files_context(app_.state()), name.toStdString());
}

void MainWindow::build_transport_bar() {
    auto* bar = addToolBar("Transport");
    bar->setObjectName("transportBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto press = [this](ControlName c) { return [this, c] { app_.press(c); }; };
    struct Item {
        ControlName control;  // the button the action presses
        const char* name;
        const char* text;
        const char* theme;
        TransportGlyph fallback;
        const char* tip;
    };
    const Item items[] = {
        {ctl::run_button, "runAction", "Run", "media-playback-start", TransportGlyph::run,
         "Run the move from its start (Space runs or stops)"},
        {ctl::stop_button, "stopAction", "Stop", "media-playback-stop", TransportGlyph::stop,
         "Stop play-back, positioning and jogging (Esc; Space while the rig moves)"},
        {ctl::loop_button, "loopAction", "Loop", "media-playlist-repeat", TransportGlyph::loop,
         "Loop on or off: play the move again from its start when it ends"},
        {ctl::go_to_start_button, "startAction", "Start", "go-first", TransportGlyph::start,
         "Go to the start: ramp every axis to frame 1 (Home)"},
        {ctl::step_back_button, "stepBackAction", "Back", "media-seek-backward", TransportGlyph::step_back,
         "Step back one frame"},
        {ctl::step_button, "stepAction", "Step", "media-seek-forward", TransportGlyph::step,
         "Step forward one frame"},
        {ctl::go_to_end_button, "endAction", "End", "go-last", TransportGlyph::end,
         "Go to the end: ramp every axis to the last frame (End)"},
        {ctl::go_to_frame_button, "frameAction", "Frame", "go-jump", TransportGlyph::frame,
         "Go to the frame typed in the box beside \"go to frame\""},
    };
    for (const Item& i : items) {
        QAction* a = transport_action(i.name, i.text, {}, {}, press(i.control));
        a->setToolTip(i.tip);
        transport_icons_.push_back({a, i.theme, i.fallback});
        bar->addAction(a);
    }
    paint_transport_icons();
    run_action_ = findChild<QAction*>("runAction");
    run_action_->setCheckable(true);  // looks pressed while the move plays
    findChild<QAction*>("startAction")->setShortcut(Qt::Key_Home);
    findChild<QAction*>("endAction")->setShortcut(Qt::Key_End);
    transport_action("runStopAction", "Run or stop", {}, Qt::Key_Space, [this] { run_or_stop(); });
    transport_action("addKeyframeAction", "Add keyframe", {}, Qt::Key_K, press(ctl::add_keyframe_button))
        ->setToolTip("Add a keyframe at the frame in the Position box (K)");
    bar->addSeparator();
    bar->addAction(fit_action_);
    transport_icons_.push_back({fit_action_, "zoom-fit-best", TransportGlyph::curve});
    paint_transport_icons();
    bar->addSeparator();
    state_label_ = new QLabel(bar);
    state_label_->setObjectName("rigState");
    state_label_->setToolTip("What the rig is doing");
    bar->addWidget(state_label_);
    status_state_label_ = new QLabel(this);
    status_state_label_->setObjectName("rigStateStatus");
    statusBar()->addPermanentWidget(status_state_label_);
}

void MainWindow::paint_transport_icons() {
    const QColor colour = palette().color(QPalette::ButtonText);
    for (const TransportIcon& t : transport_icons_) t.action->setIcon(themed(t.theme, t.glyph, colour));
}

void MainWindow::sync_rig_state() {
    const bool online = app_.link().online();
    const RigActivity activity = rig_activity(app_.state().engine);
    const QString text = QString::fromStdString(rig_state_text(activity, online));
    state_label_->setText(text);
    const QString style = state_style(activity, online);
    if (state_label_->styleSheet() != style) state_label_->setStyleSheet(style);  // a restyle is costly
    status_state_label_->setText(text);
    // Standing needs no word there; off line the link's own word says it.
    status_state_label_->setVisible(activity != RigActivity::standing);
    run_action_->setChecked(activity == RigActivity::playing);
}

}  // namespace kestrova
