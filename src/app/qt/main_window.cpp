#include "app/qt/main_window.h"

#include <QApplication>
#include <QAbstractButton>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QToolButton>
#include <QSplitter>
#include <QTabWidget>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "axes/qt/axis_settings_store.h"
#include "base/qt/settings_writer.h"
#include "files/qt/file_lists.h"
#include "graph/qt/chart_view.h"
#include "link/qt/comm_menu.h"
#include "app/qt/move_menu.h"
#include "link/qt/frame_clock.h"
#include "pad/qt/pad_settings_store.h"
#include "pad/sdl/sdl_pad.h"
#include "pad/messages.h"
#include "app/app_controls.h"
#include "axes/controls.h"
#include "engine/controls.h"
#include "engine/move_lock.h"
#include "graph/controls.h"
#include "link/controls.h"
#include "motion/controls.h"
#include "move/controls.h"
#include "shaping/controls.h"
#include "tools/controls.h"
#include "app/contexts.h"
#include "app/editing_commands.h"
#include "app/keyframe_drag.h"
#include "app/messages.h"
#include "files/controls.h"
#include "move/history_messages.h"
#include "app/controls.h"
#include "app/qt/panel_binder.h"
#include "app/qt/keyframe_table.h"
#include "app/qt/look.h"
#include "app/qt/messages_window.h"
#include "app/qt/side_windows.h"
#include "app/qt/splitter_sizes.h"
#include "app/qt/tooltips.h"
#include "app/qt/window_geometry.h"

namespace kestrova {

namespace {

constexpr int status_shown_ms = 10000;
const QString recent_key = QStringLiteral("recentMoves");
const QString csv_filter = QStringLiteral("CSV files (*.csv)");

QGroupBox* group(PanelBinder* b, ControlName frame_name, QWidget* parent) {
    auto* g = qobject_cast<QGroupBox*>(b->make(frame_name, parent));
    return g;
}

QGroupBox* plain_group(const QString& title, const QString& name, QWidget* parent) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    return g;
}

}  // namespace

MainWindow::MainWindow(App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    ask_save_changes = [this](const QString& name) {
        const auto answer = QMessageBox::question(
            this, "Kestrova", QString::fromStdString(app_msg::save_changes(name.toStdString())),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        return answer == QMessageBox::Save ? SaveChoice::save
               : answer == QMessageBox::Discard ? SaveChoice::discard
                                                : SaveChoice::cancel;
    };
    ask_csv_path = [this](bool saving) {
        if (!saving) return QFileDialog::getOpenFileName(this, "Import CSV", QString(), csv_filter);
        // The dialog asks before replacing a file; the suffix is added when left out.
        QFileDialog dialog(this, "Export CSV", QString(), csv_filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("csv");
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    ask_move_name = [this] {
        return QInputDialog::getText(this, QString::fromStdString(app_msg::save_as_title),
                                     QString::fromStdString(app_msg::save_as_prompt));
    };
    {
        std::vector<std::filesystem::path> kept;
        for (const QString& p : QSettings().value(recent_key).toStringList()) kept.emplace_back(p.toStdString());
        RecentMoves& recent = app_.state().recent;
        recent.restore(kept);
        recent.changed = [&recent, &notices = app_.state().notices] {
            QStringList paths;
            for (const auto& p : recent.list()) paths << QString::fromStdString(p.string());
            write_settings(notices, [&paths](QSettings& out) { out.setValue(recent_key, paths); });
        };
    }
    setObjectName("Varn");
    binder_ = new PanelBinder(app_.panel(), this);
    binder_->after_event = [this] { sync(); };
    setup_ = new SetupDialog(app_, this);
    setup_->binder()->after_event = [this] { sync(); };
    help_ = new HelpWindow(app_, this);
    help_->binder()->after_event = [this] { sync(); };
    messages_ = new MessagesWindow(app_.state().notices, this);
    keep_pad_settings(app_.state().gamepad, app_.state().notices);
    keep_axis_settings(axes_context(app_.state()), app_.state().axes_kept_changed);
    pad_ = std::make_unique<SdlPad>();
    if (!pad_->started()) app_.state().notices.say(pad_msg::unavailable(pad_->started().error()));
    clock_ = new FrameClock([this] {
        // Any of the program's windows may have the focus (the setup dialog too).
        app_.read_pad(pad_->poll(QGuiApplication::applicationState() == Qt::ApplicationActive));
        app_.tick();
        sync();
    }, this);
    clock_->pace(app_.link());

    developer_ = new QDialog(this);
    developer_->setObjectName("developerWindow");
    developer_->setWindowTitle("Developer tools");
    build_menus();
    // Escape stops everything, whatever box has the focus (boxes leave Escape to the window).
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QString::fromStdString(ctl::escape_stop.str()));
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        app_.stop_everything();
        sync();
    });
    // Delete removes the selected keyframe, unless a text box has the focus (it deletes text there).
    auto* del = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    del->setObjectName(QString::fromStdString(ctl::delete_keyframe_shortcut.str()));
    del->setContext(Qt::WindowShortcut);
    connect(del, &QShortcut::activated, this, [this] {
        QWidget* focus = QApplication::focusWidget();
        if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus))
            return;
        if (auto* table = findChild<KeyframeTable*>()) table->delete_selected();
    });
    // The controls sit in a scroll area: on a screen smaller than the window's
    // minimum the window still fits and scrolls instead of cutting controls off.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("mainScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* central = new QWidget(scroll);
    central->setObjectName("mainContent");
    auto* whole = new QHBoxLayout(central);
    whole->setContentsMargins(4, 4, 4, 4);
    // The chart takes what the panels leave; the operator moves both dividers.
    auto* side = new QSplitter(Qt::Vertical, central);
    side->setObjectName("sideSplitter");
    side->addWidget(build_axes_group());
    auto* tabs = new QTabWidget(side);
    tabs->setObjectName("sidePanels");
    tabs->addTab(build_keyframe_group(), "Keyframes");
    tabs->addTab(build_single_frame_group(), "Single frame");
    tabs->addTab(build_shaping_group(), "Shaping");
    file_tab_ = build_file_group();
    tabs->addTab(file_tab_, "Move file");
    side_tabs_ = tabs;
    side->addWidget(tabs);
    side->setStretchFactor(1, 1);
    auto* centre = new QSplitter(Qt::Vertical, central);
    centre->setObjectName("chartSplitter");
    centre->addWidget(build_graph_group());
    centre->addWidget(build_motion_group());
    centre->setStretchFactor(0, 1);
    auto* columns = new QSplitter(Qt::Horizontal, central);
    columns->setObjectName("mainSplitter");
    columns->addWidget(side);
    columns->addWidget(centre);
    columns->setStretchFactor(1, 1);
    for (QSplitter* s : {columns, side, centre}) s->setChildrenCollapsible(false);
    // Until the operator moves them, the panels keep their natural size.
    columns->setSizes({side->minimumSizeHint().width(), 100000});
    centre->setSizes({100000, centre->widget(1)->sizeHint().height()});
    whole->addWidget(columns);
    scroll->setWidget(central);
    setCentralWidget(scroll);
    build_tools_group();
    keep_splitter_sizes({columns, side, centre}, app_.state().notices);
    build_transport_bar();

    link_label_ = new QLabel(this);
    link_label_->setObjectName("linkState");
    rate_label_ = new QLabel(this);
    rate_label_->setObjectName("linkRate");
    progress_label_ = new QLabel(this);
    progress_label_->setObjectName(QString::fromStdString(ctl::play_progress.str()));
    pad_label_ = new QLabel(this);
    pad_label_->setObjectName("padState");
    statusBar()->addPermanentWidget(pad_label_);
    statusBar()->addPermanentWidget(progress_label_);
    statusBar()->addPermanentWidget(rate_label_);
    statusBar()->addPermanentWidget(link_label_);
    add_tooltips(*this);
    fit_to_screen(*this, available_screen_area(*this));
    sync();
}

MainWindow::~MainWindow() {
    // Widgets going away still send focus events: nothing may call back into
    // this half-destroyed window, and the panels must stop notifying it.
    closing_ = true;
    app_.state().recent.changed = nullptr;
    app_.state().gamepad.settings_changed = nullptr;
    app_.state().axes_kept_changed = nullptr;
    clock_->stop();
    setup_->binder()->after_event = nullptr;
    help_->binder()->after_event = nullptr;
    delete binder_;
    binder_ = nullptr;
    // Children with callbacks go while this is still a whole MainWindow.
    delete centralWidget();
    delete developer_;
    delete setup_;
    delete help_;
    delete messages_;
}

QWidget* MainWindow::setup_dialog() const { return setup_; }
QWidget* MainWindow::help_window() const { return help_; }

void MainWindow::start_clock() { clock_->start(); }

void MainWindow::build_menus() {
    Panel& p = app_.panel();
    auto add = [this, &p](QMenu* menu, ControlName control) {
        QAction* a = menu->addAction(QString::fromStdString(p.text(control)));
        a->setObjectName(QString::fromStdString(control.str()));
        const bool exits = control == ctl::exit_menu;
        const bool replaces_move = control == ctl::load_move_menu || control == ctl::import_menu;
        connect(a, &QAction::triggered, this, [this, control, exits, replaces_move] {
            // Exit goes through closing the window, which asks about unsaved work.
            if (exits) {
                close();
                return;
            }
            if (replaces_move && !may_replace_move()) return;
            app_.press(control);
            sync();
        });
    };
    // The item of a menu of its own that does the work of a menu-bar control.
    auto add_entry = [this](QMenu* menu, ControlName control, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromStdString(control.str()));
        connect(a, &QAction::triggered, this, [this, control] {
            app_.press(control);
            sync();
        });
    };
    QMenu* file = menuBar()->addMenu(QString::fromStdString(p.text(ctl::file_menu)));
    file->setObjectName(QString::fromStdString(ctl::file_menu.str()));
    for (ControlName name : {ctl::load_move_menu, ctl::save_move_menu, ctl::export_menu, ctl::import_menu})
        add(file, name);
    build_csv_and_recent(file);
    file->findChild<QAction*>(QString::fromStdString(ctl::load_move_menu.str()))->setShortcut(QKeySequence::Open);
    // Save keeps the move in the file it came from; Save As asks for a name.
    QAction* save = file->addAction("Save");
    save->setObjectName("saveAgainAction");
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] {
        save_move_again(app_.state());
        sync();
    });
    QAction* save_as = file->addAction("Save As...");
    save_as->setObjectName("saveAsAction");
    save_as->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(save_as, &QAction::triggered, this, [this] {
        save_move_as();
        sync();
    });
    file->addSeparator();
    for (ControlName name : {ctl::load_setup_menu, ctl::save_setup_menu, ctl::exit_menu}) add(file, name);
    build_edit_menu();
    fit_action_ = add_move_menu(*this, app_, [this] { sync(); });
    QMenu* setup = menuBar()->addMenu(QString::fromStdString(p.text(ctl::setup_menu)));
    setup->setObjectName("setupMenu");
    add_entry(setup, ctl::setup_menu, "Axes and keys...");
    add_comm_menu(menuBar(), app_.panel(), app_.link(), [this] { sync(); });
    QMenu* view = menuBar()->addMenu("View");
    view->setObjectName("viewMenu");
    QAction* list = view->addAction("Messages");
    list->setObjectName("messagesAction");
    connect(list, &QAction::triggered, this, [this] {
        messages_->sync();
        messages_->show();
        messages_->raise();
    });
    build_look_menu(view);
    QMenu* tools = menuBar()->addMenu("Tools");
    tools->setObjectName("toolsMenu");
    QAction* developer = tools->addAction("Developer...");
    developer->setObjectName("developerAction");
    connect(developer, &QAction::triggered, developer_, [this] {
        developer_->show();
        developer_->raise();
    });
    QMenu* help = menuBar()->addMenu(QString::fromStdString(p.text(ctl::help_menu)));
    help->setObjectName("helpMenu");
    add_entry(help, ctl::help_menu, QString::fromStdString(p.text(ctl::help_menu)));
}

void MainWindow::build_look_menu(QMenu* view) {
    QMenu* looks = view->addMenu("Look");
    looks->setObjectName("lookMenu");
    auto* group = new QActionGroup(looks);
    const std::pair<Look, const char*> choices[] = {{Look::desktop, "As the desktop"}, {Look::light, "Light"}, {Look::dark, "Dark"}};
    for (const auto& [look, caption] : choices) {
        QAction* a = looks->addAction(caption);
        a->setCheckable(true);
        a->setChecked(look == chosen_look());
        group->addAction(a);
        connect(a, &QAction::triggered, this, [look] { choose_look(look); });
    }
}

void MainWindow::build_csv_and_recent(QMenu* file) {
    QAction* export_csv = file->addAction("Export CSV...");
    export_csv->setObjectName("exportCsvAction");
    connect(export_csv, &QAction::triggered, this, [this] {
        const QString path = ask_csv_path(true);
        if (path.isEmpty()) return;
        export_csv_file(app_.state(), path.toStdString());
        sync();
    });
    QAction* import_csv = file->addAction("Import CSV...");
    import_csv->setObjectName("importCsvAction");
    connect(import_csv, &QAction::triggered, this, [this] {
        if (!may_replace_move()) return;
        const QString path = ask_csv_path(false);
        if (path.isEmpty()) return;
        import_csv_file(app_.state(), path.toStdString());
        sync();
    });
    recent_menu_ = file->addMenu("Recent moves");
    recent_menu_->setObjectName("recentMenu");
    // Built afresh each time: saving and loading change the list.
    connect(recent_menu_, &QMenu::aboutToShow, this, [this] { fill_recent_menu(); });
    fill_recent_menu();
}

void MainWindow::fill_recent_menu() {
    recent_menu_->clear();
    const auto& paths = app_.state().recent.list();
    for (const auto& path : paths) {
        QAction* a = recent_menu_->addAction(QString::fromStdString(path.string()));
        connect(a, &QAction::triggered, this, [this, path] {
            if (!may_replace_move()) return;
            load_recent_move(app_.state(), path);
            sync();
        });
    }
    if (paths.empty()) recent_menu_->addAction("(none yet)")->setEnabled(false);
}

void MainWindow::build_edit_menu() {
    QMenu* edit = menuBar()->addMenu("Edit");
    edit->setObjectName("editMenu");
    undo_action_ = edit->addAction("Undo");
    undo_action_->setObjectName("undoAction");
    undo_action_->setShortcut(QKeySequence::Undo);
    redo_action_ = edit->addAction("Redo");
    redo_action_->setObjectName("redoAction");
    redo_action_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo_action_, &QAction::triggered, this, [this] {
        undo_move(app_.state());
        sync();
    });
    connect(redo_action_, &QAction::triggered, this, [this] {
        redo_move(app_.state());
        sync();
    });
}

bool MainWindow::may_replace_move() {
    AppState& s = app_.state();
    // Refused before any question: nothing replaces the move the rig follows.
    if (Result<> r = may_change_move(s.engine); !r) {
        s.notices.say(r.error());
        sync();
        return false;
    }
    return may_drop_move();
}

bool MainWindow::may_drop_move() {
    AppState& s = app_.state();
    if (!s.editing.unsaved()) return true;
    switch (ask_save_changes(QString::fromStdString(s.editing.name()))) {
    case SaveChoice::discard:
        return true;
    case SaveChoice::cancel:
        return false;
    case SaveChoice::save:
        break;
    }
    const bool saved = save_move_again(s);
    sync();
    return saved;
}

namespace {
// A frame box's caption with the frames as seconds under it, never widening the column.
QLayout* with_seconds(QWidget* caption, QWidget* seconds) {
    seconds->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(caption);
    column->addWidget(seconds);
    return column;
}
}  // namespace

QWidget* MainWindow::build_axes_group() {
    auto* g = plain_group("Axes", "axesGroup", this);
    auto* grid = new QGridLayout(g);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(binder_->make(ctl::axis_heading, g), 0, 0);
    grid->addWidget(new QLabel("Name", g), 0, 2);
    grid->addWidget(binder_->make(ctl::position_heading, g), 0, 3);
    grid->addWidget(binder_->make(ctl::axis_speed_heading, g), 0, 5);
    grid->addWidget(binder_->make(ctl::fspeed_heading, g), 0, 6);
    grid->addWidget(binder_->make(ctl::fkey_heading, g), 0, 7);
    for (std::size_t a = 0; a < axis_count; ++a) {
        const int row = static_cast<int>(a) + 1;
        if (a < 5) {
            grid->addWidget(binder_->make(ctl::axis_row_labels[a], g), row, 0);
            auto* enable = binder_->make(ctl::enable_buttons[a], g);
            enable->setFixedWidth(32);  // one letter
            grid->addWidget(enable, row, 1);
            grid->addWidget(binder_->make(ctl::fkey_labels[a], g), row, 7);
        } else {
            grid->addWidget(new QLabel(QString(QChar(axis_letters[a])), g), row, 0);
        }
        auto* name = binder_->make(ctl::axis_name_boxes[a], g);
        name->setMinimumWidth(name->fontMetrics().horizontalAdvance("Spare1") + 12);
        grid->addWidget(name, row, 2);
        grid->addWidget(binder_->make(ctl::position_boxes[a], g), row, 3);
        // The position in units beside the box in pulses; an empty column when no axis has a unit.
        if (a < ctl::position_unit_labels.size()) grid->addWidget(binder_->make(ctl::position_unit_labels[a], g), row, 4);
        grid->addWidget(binder_->make(ctl::axis_speed_boxes[a], g), row, 5);
        grid->addWidget(binder_->make(ctl::fspeed_boxes[a], g), row, 6);
    }
    auto* names = new QHBoxLayout;
    for (ControlName n : ctl::axis_name_labels) names->addWidget(binder_->make(n, g));
    grid->addLayout(names, 9, 0, 1, 8);
    auto* keys = new QHBoxLayout;
    keys->addWidget(binder_->make(ctl::fkey_status_label, g));
    keys->addWidget(binder_->make(ctl::fkey_status_box, g), 1);
    keys->addWidget(binder_->make(ctl::enable_fkeys_button, g));
    keys->addWidget(binder_->make(ctl::disable_fkeys_button, g));
    grid->addLayout(keys, 10, 0, 1, 8);
    return g;
}

QWidget* MainWindow::build_keyframe_group() {
    auto* g = group(binder_, ctl::keyframe_group, this);
    auto* grid = new QGridLayout(g);
    grid->addLayout(with_seconds(binder_->make(ctl::keyframe_frame_label, g), binder_->make(ctl::keyframe_frame_seconds, g)), 0, 0);
    grid->addWidget(binder_->make(ctl::keyframe_frame_box, g), 0, 1);
    grid->addWidget(binder_->make(ctl::add_keyframe_button, g), 0, 2);
    grid->addWidget(binder_->make(ctl::delete_keyframe_button, g), 0, 3);
    grid->addLayout(with_seconds(binder_->make(ctl::total_frames_label, g), binder_->make(ctl::total_frames_seconds, g)), 1, 0);
    grid->addWidget(binder_->make(ctl::total_frames_box, g), 1, 1);
    grid->addWidget(binder_->make(ctl::set_total_frames_button, g), 1, 2);
    grid->addWidget(binder_->make(ctl::clear_move_button, g), 1, 3);
    grid->addWidget(binder_->make(ctl::keyframe_count_label, g), 2, 0);
    grid->addWidget(binder_->make(ctl::keyframe_count_box, g), 2, 1);
    grid->addWidget(binder_->make(ctl::recalc_button, g), 2, 2);
    // The table takes the place of the six list boxes, which stay (hidden) for what reads them.
    auto* lists = new QHBoxLayout;
    for (ControlName n : ctl::keyframe_list_boxes) lists->addWidget(binder_->make(n, g));
    grid->addLayout(lists, 3, 0, 1, 4);
    grid->addWidget(new KeyframeTable(app_.state(), [this] { sync(); }, g), 4, 0, 1, 4);
    grid->setRowStretch(4, 1);
    return g;
}

QWidget* MainWindow::build_shaping_group() {
    auto* g = group(binder_, ctl::bezier_group, this);
    auto* grid = new QGridLayout(g);
    grid->addWidget(binder_->make(ctl::bezier_smooth_button, g), 0, 0);
    auto* small = binder_->make(ctl::bezier_button, g);
    small->setFixedWidth(28);
    // Its caption is blank: a curve says what it does.
    if (auto* b = qobject_cast<QAbstractButton*>(small))
        b->setIcon(QIcon::fromTheme("draw-bezier-curves",
                                    drawn_icon(TransportGlyph::curve, palette().color(QPalette::ButtonText))));
    grid->addWidget(small, 0, 1);
    grid->addWidget(binder_->make(ctl::handle_share_box, g), 0, 2);
    grid->addWidget(binder_->make(ctl::smooth_button, g), 1, 0);
    grid->addWidget(binder_->make(ctl::smoothing_width_label, g), 1, 1);
    grid->addWidget(binder_->make(ctl::smoothing_width_box, g), 1, 2);
    grid->addWidget(binder_->make(ctl::smoothing_passes_label, g), 1, 3);
    grid->addWidget(binder_->make(ctl::smoothing_passes_box, g), 1, 4);
    grid->addWidget(binder_->make(ctl::corrected_smooth_button, g), 2, 0);
    grid->addWidget(binder_->make(ctl::clear_corrections_button, g), 2, 1, 1, 2);
    grid->addWidget(binder_->make(ctl::bezier_readout_box, g), 2, 3, 1, 2);
    auto* readouts = new QHBoxLayout;
    readouts->addWidget(binder_->make(ctl::smoothing_readout_box, g));
    readouts->addWidget(binder_->make(ctl::shared_readout_box, g));
    grid->addLayout(readouts, 3, 0, 1, 5);
    grid->setRowStretch(3, 1);
    return g;
}

QWidget* MainWindow::build_motion_group() {
    auto* g = group(binder_, ctl::motion_group, this);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(3);
    constexpr ControlName none{""};
    // Play and step; go to a place; page and zero; speed and counters; where it is.
    const std::array<std::array<ControlName, 6>, 5> rows = {{
        {ctl::run_button, ctl::stop_button, ctl::loop_button, ctl::step_back_button, ctl::step_button, none},
        {ctl::go_to_start_button, ctl::go_to_end_button, ctl::go_to_frame_box, ctl::go_to_frame_button,
         ctl::sub_frame_box, ctl::go_to_sub_frame_button},
        {ctl::page_box, ctl::go_to_page_button, ctl::page_display, ctl::go_to_position_button, ctl::go_to_zero_button,
         ctl::go_home_button},
        {ctl::divider_box, ctl::play_speed_button, ctl::zero_all_button, ctl::counter_reset_button,
         ctl::show_nums_button, ctl::message_form_button},
        {ctl::current_frame_label, ctl::time_code_box, ctl::positioning_step_box, ctl::time_code_copy,
         ctl::not_at_start_warning, none},
    }};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].view().empty())
                grid->addWidget(binder_->make(rows[r][c], g), static_cast<int>(r), static_cast<int>(c), 1,
                                rows[r][c] == ctl::not_at_start_warning ? 2 : 1);
    grid->addWidget(binder_->make(ctl::frame_scroll_bar, g), 5, 0, 1, 6);
    return g;
}

QWidget* MainWindow::build_single_frame_group() {
    auto* g = plain_group("Single frame", "singleFrameGroup", this);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(3);
    grid->addWidget(binder_->make(ctl::single_frame_button, g), 0, 0);
    grid->addWidget(binder_->make(ctl::exposure_label, g), 0, 1);
    grid->addWidget(binder_->make(ctl::exposure_box, g), 0, 2);
    auto* lamp = binder_->make(ctl::frame_lamp, g);
    lamp->setMinimumSize(36, 20);
    grid->addWidget(lamp, 0, 3);
    grid->addWidget(binder_->make(ctl::interval_label, g), 1, 0);
    auto* interval = new QHBoxLayout;
    for (ControlName n : {ctl::hours_box, ctl::minutes_box, ctl::seconds_box}) interval->addWidget(binder_->make(n, g));
    grid->addLayout(interval, 1, 1, 1, 3);
    grid->addWidget(binder_->make(ctl::flash_button, g), 2, 0);
    grid->addWidget(binder_->make(ctl::light_button, g), 2, 1);
    grid->addWidget(binder_->make(ctl::sound_sync_button, g), 2, 2, 1, 2);

    auto* trig = group(binder_, ctl::trigger_group, g);
    auto* tg = new QGridLayout(trig);
    tg->setVerticalSpacing(2);
    tg->addWidget(binder_->make(ctl::trigger_labels[0], trig), 0, 0);
    tg->addWidget(binder_->make(ctl::trigger_labels[1], trig), 0, 1);
    tg->addWidget(binder_->make(ctl::trigger_labels[2], trig), 0, 2);
    tg->addWidget(binder_->make(ctl::trigger_labels[3], trig), 1, 0);
    tg->addWidget(binder_->make(ctl::tone_trigger_button, trig), 1, 1);
    tg->addWidget(binder_->make(ctl::trigger_labels[4], trig), 1, 2);
    tg->addWidget(binder_->make(ctl::time_code_trigger_button, trig), 1, 3);
    tg->addWidget(binder_->make(ctl::trigger_labels[5], trig), 2, 0);
    tg->addWidget(binder_->make(ctl::gpi_trigger_button, trig), 2, 1);
    tg->addWidget(binder_->make(ctl::trigger_labels[6], trig), 2, 2);
    tg->addWidget(binder_->make(ctl::clear_triggers_button, trig), 2, 3);
    grid->addWidget(trig, 3, 0, 1, 4);
    return g;
}

QWidget* MainWindow::build_graph_group() {
    auto* g = plain_group("Move graph", "graphGroup", this);
    auto* box = new QVBoxLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(binder_->make(ctl::redraw_chart_button, g));
    buttons->addWidget(binder_->make(ctl::speed_mode_button, g));
    buttons->addSpacing(12);
    auto* axes = buttons;
    axes->addWidget(binder_->make(ctl::show_axis_heading, g));
    for (int i = 0; i < 8; ++i) {
        auto* b = binder_->make(ctl::show_axis_buttons[static_cast<std::size_t>(i)], g);
        b->setFixedWidth(26);
        axes->addWidget(b);
    }
    axes->addStretch(1);
    box->addLayout(buttons);
    chart_ = make_chart_view(graph_context(app_.state()), g);
    set_keyframe_drag(chart_, keyframe_drag_hooks(app_.state()));
    chart_->setMinimumSize(300, 240);  // the chart grows into whatever room the window has
    binder_->bind(ctl::move_chart, chart_);
    box->addWidget(chart_, 1);
    buttons->addWidget(make_chart_quantity_switch(chart_, g));  // position, speed or acceleration
    check_label_ = new QLabel(g);
    check_label_->setObjectName("moveCheck");
    // A long finding must not widen the window: the label takes the room there is.
    check_label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The finding and, beside it, the command that mends it.
    auto* check_line = new QHBoxLayout;
    check_line->addWidget(check_label_, 1);
    fit_button_ = new QToolButton(g);
    fit_button_->setObjectName("fitMoveButton");
    fit_button_->setDefaultAction(fit_action_);
    fit_button_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    check_line->addWidget(fit_button_);
    box->addLayout(check_line);
    auto* comm = new QHBoxLayout;
    comm->addWidget(binder_->make(ctl::comm_number_label, g));
    comm->addWidget(binder_->make(ctl::comm_number_box, g));
    comm->addStretch(1);
    box->addLayout(comm);
    return g;
}

QWidget* MainWindow::build_file_group() {
    auto* g = plain_group("Move file", "fileGroup", this);
    auto* grid = new QGridLayout(g);
    grid->addWidget(binder_->make(ctl::file_name_heading, g), 0, 0);
    grid->addWidget(binder_->make(ctl::file_name_box, g), 0, 1, 1, 2);
    auto* panel = new FilePanelLists(files_context(app_.state()), [this] { sync(); }, g);
    binder_->bind(ctl::drive_list, panel->drives());
    binder_->bind(ctl::folder_list, panel->folders());
    binder_->bind(ctl::file_list, panel->files());
    // The mode line wraps rather than widen the side column when the panel opens.
    QWidget* mode = binder_->make(ctl::file_mode_label, g);
    if (auto* label = qobject_cast<QLabel*>(mode)) label->setWordWrap(true);
    grid->addWidget(mode, 1, 0, 1, 2);
    grid->addWidget(binder_->make(ctl::file_cancel_button, g), 1, 2);
    auto* lists = new QHBoxLayout;
    auto* place = new QVBoxLayout;
    place->addWidget(panel->drives());
    place->addWidget(panel->folder_name());
    place->addWidget(panel->folders(), 1);
    lists->addLayout(place, 1);
    lists->addWidget(panel->files(), 2);  // the names are what the operator reads
    panel->folders()->setMinimumHeight(160);
    panel->files()->setMinimumSize(200, 160);
    grid->addLayout(lists, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return g;
}

// Developer tools, kept out of the operator's way in a window of their own.
void MainWindow::build_tools_group() {
    auto* grid = new QGridLayout(developer_);
    int column = 0;
    for (ControlName n : {ctl::lookup_bin_button, ctl::lookup_listing_button, ctl::idle_developer_button,
                          ctl::bezier_samples_button})
        grid->addWidget(binder_->make(n, developer_), 0, column++);
    column = 0;
    for (ControlName n : ctl::developer_labels) grid->addWidget(binder_->make(n, developer_), 1, column++);
    grid->addWidget(setup_->binder()->make(ctl::setup_show_values_button, developer_), 2, 0, 1, 2);
}

void MainWindow::sync() {
    if (closing_) return;
    AppState& s = app_.state();
    if (s.notices.status_serial != status_seen_) {
        status_seen_ = s.notices.status_serial;
        // A message stays ten seconds; the link state beside it stays put.
        statusBar()->showMessage(QString::fromStdString(s.notices.status), status_shown_ms);
    }
    link_label_->setText(QString::fromStdString(s.notices.link));
    check_label_->setText(QString::fromStdString(s.check_line));
    // A finding in red that reads on the light and the dark look alike.
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    const QString check_style =
        s.check.ok() ? QString() : QString("color: %1; font-weight: bold;").arg(dark ? "#ff7070" : "#b00000");
    if (check_label_->styleSheet() != check_style) check_label_->setStyleSheet(check_style);  // a restyle is costly
    fit_button_->setVisible(!s.check.ok());
    setWindowTitle(QString::fromStdString(app_msg::title(s.editing.name(), s.editing.unsaved())));
    const MoveHistory& history = s.editing.history();
    undo_action_->setEnabled(history.can_undo());
    undo_action_->setText(QString::fromStdString(history.can_undo() ? history_msg::undo_item(history.undo_label()) : "Undo"));
    redo_action_->setEnabled(history.can_redo());
    redo_action_->setText(QString::fromStdString(history.can_redo() ? history_msg::redo_item(history.redo_label()) : "Redo"));
    rate_label_->setText(QString::fromStdString(s.notices.link_rate));
    progress_label_->setText(QString::fromStdString(app_.progress()));
    pad_label_->setText(QString::fromStdString(s.gamepad.status()));
    pad_label_->setVisible(!pad_label_->text().isEmpty());
    if (state_label_) sync_rig_state();
    setup_->sync();
    help_->sync();
    if (messages_->isVisible()) messages_->sync();
    update_chart_view(chart_);
    // An answer may raise the next box (OK on a failed drive change retries it).
    while (s.notices.box) {
        const MessageBoxRequest req = *s.notices.box;
        s.notices.box.reset();
        const QString title = QString::fromStdString(req.title);
        const QString text = QString::fromStdString(req.text);
        bool ok = true;
        if (req.ok_cancel) {
            QMessageBox box(req.exclamation ? QMessageBox::Warning : QMessageBox::Information, title, text,
                            QMessageBox::Ok | QMessageBox::Cancel, this);
            ok = box.exec() == QMessageBox::Ok;
        } else {
            QMessageBox::information(this, title, text);
        }
        if (req.answer) req.answer(ok);
    }
    if (auto* lists = findChild<FilePanelLists*>()) lists->sync();
    if (auto* table = findChild<KeyframeTable*>()) table->sync();
    // Load Move and Save Move open the file panel: bring its tab forward.
    const bool panel_open = s.panel.at(ctl::file_list).visible;
    if (panel_open && !file_panel_open_ && side_tabs_) side_tabs_->setCurrentWidget(file_tab_);
    file_panel_open_ = panel_open;
    if (app_.quit_requested()) close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!app_.quit_requested() && !may_drop_move()) {
        event->ignore();
        return;
    }
    if (!app_.quit_requested()) app_.press(ctl::exit_menu);  // goes off line
    clock_->stop();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    // A window that loses activation can deliver no key releases: let the
    // F-key box treat every held key as released.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        app_.focus_lost(ctl::fkey_status_box);
        sync();
    }
    if (event->type() == QEvent::PaletteChange && !transport_icons_.empty()) paint_transport_icons();
    QMainWindow::changeEvent(event);
}

}  // namespace kestrova
