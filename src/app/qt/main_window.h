// The main window: lays out the panel's controls in groups and mirrors them.
// All behaviour lives in the App; this class only forwards and shows.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QDialog;
class QTabWidget;
class QIcon;
class QKeySequence;
class QToolButton;

#include "app/app.h"
#include "app/qt/transport_icons.h"

namespace kestrova {

class PanelBinder;
class SetupDialog;
class HelpWindow;
class FrameClock;
class MessagesWindow;
class SdlPad;

enum class SaveChoice { save, discard, cancel };

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Asks "Save changes to <name>?" before unsaved work would be lost; a
    // message box unless replaced.
    std::function<SaveChoice(const QString& name)> ask_save_changes;

    // Asks for the CSV file to write (`saving`) or read; empty when cancelled.
    // A file dialog unless replaced.
    std::function<QString(bool saving)> ask_csv_path;

    // Asks Save As for the move's file name; empty when cancelled. An input
    // dialog unless replaced.
    std::function<QString()> ask_move_name;

    explicit MainWindow(App& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    App& app() { return app_; }
    // Show every side effect of the last event: status, dialogs, chart, quit.
    void sync();
    void start_clock();
    QWidget* setup_dialog() const;
    QWidget* help_window() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void build_menus();
    void build_edit_menu();
    void build_csv_and_recent(QMenu* file);
    void build_look_menu(QMenu* view);
    void fill_recent_menu();
    // The move may be dropped: nothing unsaved, or the operator saved or
    // discarded it.
    bool may_drop_move();
    // The same for a command that replaces the move, first refused while the
    // rig follows it.
    bool may_replace_move();
    QWidget* build_axes_group();
    QWidget* build_keyframe_group();
    QWidget* build_shaping_group();
    QWidget* build_motion_group();
    QWidget* build_single_frame_group();
    QWidget* build_graph_group();
    QWidget* build_file_group();
    void build_tools_group();
    void build_transport_bar();
    // The desktop's theme icons, or icons drawn in the look's text colour.
    void paint_transport_icons();
    QAction* transport_action(const QString& name, const QString& text, const QIcon& icon, const QKeySequence& key,
                              std::function<void()> act);
    // Space: Run when the rig stands, else Stop.
    void run_or_stop();
    void save_move_as();
    void sync_rig_state();

    App& app_;
    PanelBinder* binder_;
    SetupDialog* setup_;
    HelpWindow* help_;
    FrameClock* clock_;
    MessagesWindow* messages_;
    QDialog* developer_ = nullptr;
    QLabel* state_label_ = nullptr;         // the rig's state in the transport bar
    QLabel* status_state_label_ = nullptr;  // the same in the status bar
    QAction* run_action_ = nullptr;
    QTabWidget* side_tabs_ = nullptr;
    QWidget* file_tab_ = nullptr;
    bool file_panel_open_ = false;
    QWidget* chart_ = nullptr;
    QLabel* link_label_ = nullptr;
    QLabel* check_label_ = nullptr;
    QAction* fit_action_ = nullptr;         // Fit to rig, in the Move menu, the toolbar and the check line
    QToolButton* fit_button_ = nullptr;
    QMenu* recent_menu_ = nullptr;
    QAction* undo_action_ = nullptr;
    QAction* redo_action_ = nullptr;
    QLabel* rate_label_ = nullptr;
    QLabel* progress_label_ = nullptr;  // play progress, or the running time when nothing plays
    QLabel* pad_label_ = nullptr;       // the connected gamepad's name
    std::unique_ptr<SdlPad> pad_;
    unsigned status_seen_ = 0;
    bool closing_ = false;
    struct TransportIcon {
        QAction* action;
        const char* theme;
        TransportGlyph glyph;
    };
    std::vector<TransportIcon> transport_icons_;
};

}  // namespace kestrova
