#include "app/qt/main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include "files/qt/file_lists.h"
#include "graph/qt/chart_view.h"
#include "link/qt/comm_menu.h"
#include "link/qt/frame_clock.h"
#include "app/app_controls.h"
#include "app/contexts.h"
#include "app/editing_commands.h"
#include "app/messages.h"
#include "files/controls.h"
#include "move/history_messages.h"
#include "app/controls.h"
#include "app/qt/panel_binder.h"
#include "app/qt/messages_window.h"
#include "app/qt/side_windows.h"
#include "app/qt/window_geometry.h"

namespace kestrova {

namespace {

constexpr int status_shown_ms = 10000;

QGroupBox* group(PanelBinder* b, const std::string& frame_name, QWidget* parent) {
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
    setObjectName("Varn");
    binder_ = new PanelBinder(app_.panel(), this);
    binder_->after_event = [this] { sync(); };
    setup_ = new SetupDialog(app_, this);
    setup_->binder()->after_event = [this] { sync(); };
    help_ = new HelpWindow(app_, this);
    help_->binder()->after_event = [this] { sync(); };
    messages_ = new MessagesWindow(app_.state().notices, this);
    clock_ = new FrameClock([this] {
        app_.tick();
        sync();
    }, this);
    clock_->pace(app_.link());

    build_menus();
    // Escape stops everything, whatever box has the focus (boxes leave Escape to the window).
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QString::fromStdString(ctl::escape_stop.str()));
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        app_.stop_everything();
        sync();
    });
    // The controls sit in a scroll area: on a screen smaller than the window's
    // minimum the window still fits and scrolls instead of cutting controls off.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("mainScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* central = new QWidget(scroll);
    central->setObjectName("mainContent");
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 6, 6, 6);

    auto* left = new QVBoxLayout;
    left->addWidget(build_axes_group());
    left->addWidget(build_keyframe_group(), 1);
    columns->addLayout(left, 5);

    auto* middle = new QVBoxLayout;
    middle->addWidget(build_motion_group());
    middle->addWidget(build_single_frame_group());
    middle->addWidget(build_shaping_group(), 1);
    columns->addLayout(middle, 4);

    auto* right = new QVBoxLayout;
    right->addWidget(build_file_group());
    right->addWidget(build_graph_group(), 1);
    right->addWidget(build_tools_group());
    columns->addLayout(right, 6);
    scroll->setWidget(central);
    setCentralWidget(scroll);

    link_label_ = new QLabel(this);
    link_label_->setObjectName("linkState");
    rate_label_ = new QLabel(this);
    rate_label_->setObjectName("linkRate");
    progress_label_ = new QLabel(this);
    progress_label_->setObjectName(QString::fromStdString(ctl::play_progress.str()));
    statusBar()->addPermanentWidget(progress_label_);
    statusBar()->addPermanentWidget(rate_label_);
    statusBar()->addPermanentWidget(link_label_);
    fit_to_screen(*this, available_screen_area(*this));
    sync();
}

MainWindow::~MainWindow() {
    // Widgets going away still send focus events: nothing may call back into
    // this half-destroyed window, and the panels must stop notifying it.
    closing_ = true;
    clock_->stop();
    setup_->binder()->after_event = nullptr;
    help_->binder()->after_event = nullptr;
    delete binder_;
    binder_ = nullptr;
    // Children with callbacks go while this is still a whole MainWindow.
    delete centralWidget();
    delete setup_;
    delete help_;
    delete messages_;
}

QWidget* MainWindow::setup_dialog() const { return setup_; }
QWidget* MainWindow::help_window() const { return help_; }

void MainWindow::start_clock() { clock_->start(); }

void MainWindow::build_menus() {
    Panel& p = app_.panel();
    auto add = [this, &p](QMenu* menu, const std::string& name) {
        QAction* a = menu->addAction(QString::fromStdString(p.text(name)));
        a->setObjectName(QString::fromStdString(name));
        const ControlName control{name};
        const bool exits = control == ctl::exit_menu;
        const bool replaces_move = control == ctl::load_move_menu || control == ctl::import_menu;
        connect(a, &QAction::triggered, this, [this, name, exits, replaces_move] {
            // Exit goes through closing the window, which asks about unsaved work.
            if (exits) {
                close();
                return;
            }
            if (replaces_move && !may_drop_move()) return;
            app_.press(name);
            sync();
        });
    };
    QMenu* file = menuBar()->addMenu(QString::fromStdString(p.text("Filemenu")));
    file->setObjectName("Filemenu");
    for (const char* name : {"Load", "save", "Export", "Importascii", "setupload", "setupsave", "exitmenu"})
        add(file, name);
    build_edit_menu();
    for (const char* name : {"Setup", "comm", "view", "help"}) {
        if (std::string(name) == "view") {
            QMenu* view = menuBar()->addMenu("View");
            view->setObjectName("viewMenu");
            QAction* list = view->addAction("Messages");
            list->setObjectName("messagesAction");
            connect(list, &QAction::triggered, this, [this] {
                messages_->sync();
                messages_->show();
                messages_->raise();
            });
            continue;
        }
        if (std::string(name) == "comm") {
            add_comm_menu(menuBar(), app_.panel(), app_.link(), [this] { sync(); });
            continue;
        }
        // A top-level entry that acts when chosen.
        QAction* a = menuBar()->addAction(QString::fromStdString(p.text(name)));
        a->setObjectName(QString::fromStdString(name));
        const std::string n = name;
        connect(a, &QAction::triggered, this, [this, n] {
            app_.press(n);
            sync();
        });
    }
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

QWidget* MainWindow::build_axes_group() {
    auto* g = plain_group("Axes", "axesGroup", this);
    auto* grid = new QGridLayout(g);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const char* heads[] = {"Label10", "Label21", "Label3", "Label24", "Label2"};
    grid->addWidget(binder_->make(heads[0], g), 0, 0);
    grid->addWidget(new QLabel("Name", g), 0, 2);
    for (int c = 2; c < 5; ++c) grid->addWidget(binder_->make(heads[c], g), 0, c + 1);
    grid->addWidget(binder_->make("Label21", g), 0, 6);
    for (int a = 0; a < axis_count; ++a) {
        const int row = a + 1;
        if (a < 5) {
            grid->addWidget(binder_->make(row_labels[a], g), row, 0);
            grid->addWidget(binder_->make(enable_buttons[a], g), row, 1);
            grid->addWidget(binder_->make(fkey_labels[a], g), row, 6);
        } else {
            grid->addWidget(new QLabel(QString(QChar(axis_letters[a])), g), row, 0);
        }
        grid->addWidget(binder_->make("Name" + std::to_string(a + 1), g), row, 2);
        grid->addWidget(binder_->make(axis_box("pos", a), g), row, 3);
        grid->addWidget(binder_->make(axis_box("Spd", a), g), row, 4);
        grid->addWidget(binder_->make(fspeed_boxes[a], g), row, 5);
    }
    auto* names = new QHBoxLayout;
    for (const char* n : name_labels) names->addWidget(binder_->make(n, g));
    grid->addLayout(names, 9, 0, 1, 7);
    auto* keys = new QHBoxLayout;
    keys->addWidget(binder_->make("Label25", g));
    keys->addWidget(binder_->make("enable", g), 1);
    keys->addWidget(binder_->make("enFkeys", g));
    keys->addWidget(binder_->make("disFkeys", g));
    grid->addLayout(keys, 10, 0, 1, 7);
    return g;
}

QWidget* MainWindow::build_keyframe_group() {
    auto* g = group(binder_, "Frame2", this);
    auto* grid = new QGridLayout(g);
    grid->addWidget(binder_->make("Label4", g), 0, 0);
    grid->addWidget(binder_->make("Text1", g), 0, 1);
    grid->addWidget(binder_->make("Command3", g), 0, 2);
    grid->addWidget(binder_->make("delKF", g), 0, 3);
    grid->addWidget(binder_->make("Label5", g), 1, 0);
    grid->addWidget(binder_->make("Text2", g), 1, 1);
    grid->addWidget(binder_->make("Command21", g), 1, 2);
    grid->addWidget(binder_->make("Command7", g), 1, 3);
    grid->addWidget(binder_->make("Label6", g), 2, 0);
    grid->addWidget(binder_->make("keyframes", g), 2, 1);
    grid->addWidget(binder_->make("recal", g), 2, 2);
    auto* lists = new QHBoxLayout;
    lists->setSpacing(0);
    for (const char* n : keyframe_lists) lists->addWidget(binder_->make(n, g));
    grid->addLayout(lists, 3, 0, 1, 4);
    grid->setRowStretch(3, 1);
    return g;
}

QWidget* MainWindow::build_shaping_group() {
    auto* g = group(binder_, "Frame1", this);
    auto* grid = new QGridLayout(g);
    grid->addWidget(binder_->make("Command20", g), 0, 0);
    auto* small = binder_->make("Command5", g);
    small->setFixedWidth(28);
    grid->addWidget(small, 0, 1);
    grid->addWidget(binder_->make("Text3", g), 0, 2);
    grid->addWidget(binder_->make("smoothall", g), 1, 0);
    grid->addWidget(binder_->make("Label23", g), 1, 1);
    grid->addWidget(binder_->make("smooth", g), 1, 2);
    grid->addWidget(binder_->make("Label22", g), 1, 3);
    grid->addWidget(binder_->make("smoothtimes", g), 1, 4);
    grid->addWidget(binder_->make("Command16", g), 2, 0);
    grid->addWidget(binder_->make("Command17", g), 2, 1, 1, 2);
    grid->addWidget(binder_->make("Text26", g), 2, 3, 1, 2);
    auto* readouts = new QHBoxLayout;
    readouts->addWidget(binder_->make("Text23", g));
    readouts->addWidget(binder_->make("Text24", g));
    grid->addLayout(readouts, 3, 0, 1, 5);
    grid->setRowStretch(3, 1);
    return g;
}

QWidget* MainWindow::build_motion_group() {
    auto* g = group(binder_, "MOVE", this);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(3);
    int r = 0;
    grid->addWidget(binder_->make("run", g), r, 0);
    grid->addWidget(binder_->make("Stop", g), r, 1);
    grid->addWidget(binder_->make("Loopy", g), r, 2);
    grid->addWidget(binder_->make("warning", g), r, 3);
    ++r;
    grid->addWidget(binder_->make("stepB", g), r, 0);
    grid->addWidget(binder_->make("Step", g), r, 1);
    grid->addWidget(binder_->make("gotoFN", g), r, 2);
    grid->addWidget(binder_->make("Command14", g), r, 3);
    ++r;
    grid->addWidget(binder_->make("Text18", g), r, 0);
    grid->addWidget(binder_->make("Command15", g), r, 1);
    grid->addWidget(binder_->make("gotoend", g), r, 2);
    grid->addWidget(binder_->make("gotostart", g), r, 3);
    ++r;
    grid->addWidget(binder_->make("Text12", g), r, 0);
    grid->addWidget(binder_->make("gotoFrame", g), r, 1);
    grid->addWidget(binder_->make("Text17", g), r, 2);
    grid->addWidget(binder_->make("gotopos", g), r, 3);
    ++r;
    grid->addWidget(binder_->make("Text6", g), r, 0);
    grid->addWidget(binder_->make("Speed", g), r, 1);
    grid->addWidget(binder_->make("Command1", g), r, 2);
    grid->addWidget(binder_->make("Home", g), r, 3);
    ++r;
    grid->addWidget(binder_->make("zeroall", g), r, 0);
    grid->addWidget(binder_->make("Command12", g), r, 1);
    grid->addWidget(binder_->make("shownums", g), r, 2);
    grid->addWidget(binder_->make("smallversion", g), r, 3);
    ++r;
    grid->addWidget(binder_->make("Label34", g), r, 0);
    grid->addWidget(binder_->make("Text22", g), r, 1);
    grid->addWidget(binder_->make("Text8", g), r, 2);
    grid->addWidget(binder_->make("Text29", g), r, 3);
    ++r;
    grid->addWidget(binder_->make("HScroll1", g), r, 0, 1, 4);
    return g;
}

QWidget* MainWindow::build_single_frame_group() {
    auto* g = plain_group("Single frame", "singleFrameGroup", this);
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(3);
    grid->addWidget(binder_->make("setsingle", g), 0, 0);
    grid->addWidget(binder_->make("Label8", g), 0, 1);
    grid->addWidget(binder_->make("exposure", g), 0, 2);
    auto* lamp = binder_->make("camflash", g);
    lamp->setMinimumSize(36, 20);
    grid->addWidget(lamp, 0, 3);
    grid->addWidget(binder_->make("Label37", g), 1, 0);
    auto* interval = new QHBoxLayout;
    for (const char* n : {"hrset", "minset", "secset"}) interval->addWidget(binder_->make(n, g));
    grid->addLayout(interval, 1, 1, 1, 3);
    grid->addWidget(binder_->make("Command22", g), 2, 0);
    grid->addWidget(binder_->make("Command23", g), 2, 1);
    grid->addWidget(binder_->make("Sound", g), 2, 2, 1, 2);

    auto* trig = group(binder_, "timecode", g);
    auto* tg = new QGridLayout(trig);
    tg->setVerticalSpacing(2);
    tg->addWidget(binder_->make("Label30", trig), 0, 0);
    tg->addWidget(binder_->make("Label31", trig), 0, 1);
    tg->addWidget(binder_->make("Label39", trig), 0, 2);
    tg->addWidget(binder_->make("Label36", trig), 1, 0);
    tg->addWidget(binder_->make("Command24", trig), 1, 1);
    tg->addWidget(binder_->make("Label40", trig), 1, 2);
    tg->addWidget(binder_->make("Command25", trig), 1, 3);
    tg->addWidget(binder_->make("Label15", trig), 2, 0);
    tg->addWidget(binder_->make("Command26", trig), 2, 1);
    tg->addWidget(binder_->make("Label38", trig), 2, 2);
    tg->addWidget(binder_->make("Command27", trig), 2, 3);
    grid->addWidget(trig, 3, 0, 1, 4);
    return g;
}

QWidget* MainWindow::build_graph_group() {
    auto* g = plain_group("Move graph", "graphGroup", this);
    auto* box = new QVBoxLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(binder_->make("dograph", g));
    buttons->addWidget(binder_->make("showspeed", g));
    buttons->addWidget(binder_->make("Command13", g));
    buttons->addStretch(1);
    box->addLayout(buttons);
    auto* axes = new QHBoxLayout;
    axes->addWidget(binder_->make("Label35", g));
    for (int i = 0; i < 8; ++i) {
        auto* b = binder_->make("Command19_" + std::to_string(i), g);
        b->setFixedWidth(26);
        axes->addWidget(b);
    }
    axes->addStretch(1);
    box->addLayout(axes);
    chart_ = make_chart_view(graph_context(app_.state()), g);
    chart_->setMinimumSize(300, 240);  // the chart grows into whatever room the window has
    binder_->bind("MSChart1", chart_);
    box->addWidget(chart_, 1);
    check_label_ = new QLabel(g);
    check_label_->setObjectName("moveCheck");
    // A long finding must not widen the window: the label takes the room there is.
    check_label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    box->addWidget(check_label_);
    auto* comm = new QHBoxLayout;
    comm->addWidget(binder_->make("Label9", g));
    comm->addWidget(binder_->make("CommNo", g));
    comm->addStretch(1);
    box->addLayout(comm);
    return g;
}

QWidget* MainWindow::build_file_group() {
    auto* g = plain_group("Move file", "fileGroup", this);
    auto* grid = new QGridLayout(g);
    grid->addWidget(binder_->make("Label27", g), 0, 0);
    grid->addWidget(binder_->make("Fname", g), 0, 1, 1, 2);
    auto* panel = new FilePanelLists(files_context(app_.state()), [this] { sync(); }, g);
    binder_->bind("Drive1", panel->drives());
    binder_->bind("Dir1", panel->folders());
    binder_->bind("File1", panel->files());
    auto* lists = new QHBoxLayout;
    auto* place = new QVBoxLayout;
    place->addWidget(panel->drives());
    place->addWidget(panel->folders(), 1);
    lists->addLayout(place, 1);
    lists->addWidget(panel->files(), 1);
    panel->folders()->setMinimumHeight(120);
    panel->files()->setMinimumHeight(120);
    grid->addLayout(lists, 1, 0, 1, 3);
    return g;
}

QWidget* MainWindow::build_tools_group() {
    auto* g = plain_group("Developer tools", "toolsGroup", this);
    auto* grid = new QGridLayout(g);
    int column = 0;
    for (const char* n : {"Command2", "Command4", "Command18"}) grid->addWidget(binder_->make(n, g), 0, column++);
    column = 0;
    for (const char* n : {"Label26", "Label28", "Label29"}) grid->addWidget(binder_->make(n, g), 1, column++);
    grid->setColumnStretch(3, 1);
    return g;
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
    check_label_->setStyleSheet(s.check.ok() ? QString() : QString("color: #b00000; font-weight: bold;"));
    setWindowTitle(QString::fromStdString(app_msg::title(s.editing.name(), s.editing.unsaved())));
    const MoveHistory& history = s.editing.history();
    undo_action_->setEnabled(history.can_undo());
    undo_action_->setText(QString::fromStdString(history.can_undo() ? history_msg::undo_item(history.undo_label()) : "Undo"));
    redo_action_->setEnabled(history.can_redo());
    redo_action_->setText(QString::fromStdString(history.can_redo() ? history_msg::redo_item(history.redo_label()) : "Redo"));
    rate_label_->setText(QString::fromStdString(s.notices.link_rate));
    progress_label_->setText(QString::fromStdString(app_.progress()));
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
    if (app_.quit_requested()) close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!app_.quit_requested() && !may_drop_move()) {
        event->ignore();
        return;
    }
    if (!app_.quit_requested()) app_.press(ctl::exit_menu.str());  // goes off line
    clock_->stop();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    // A window that loses activation can deliver no key releases: let the
    // F-key box treat every held key as released.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        app_.focus_lost("enable");
        sync();
    }
    QMainWindow::changeEvent(event);
}

}  // namespace kestrova
