#include "app/qt/side_windows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/app_controls.h"
#include "app/controls.h"
#include "axes/controls.h"
#include "pad/controls.h"
#include "app/qt/panel_binder.h"

namespace kestrova {

SetupDialog::SetupDialog(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QString::fromStdString(ctl::setup_dialog.str()));
    setWindowTitle(QString::fromStdString(app.state().form1.text(ctl::setup_dialog)));
    binder_ = new PanelBinder(app.state().form1, this);
    auto* grid = new QGridLayout(this);
    const ControlName heads[] = {ctl::setup_axis_heading,         ctl::setup_pulses_heading, ctl::setup_speed_heading,
                                 ctl::setup_acceleration_heading, ctl::setup_min_heading,    ctl::setup_max_heading,
                                 ctl::setup_position_heading};
    // Column 1 holds the names, column 3 the unit beside pulses per unit.
    for (int c = 0; c < 7; ++c) grid->addWidget(binder_->make(heads[c], this), 0, c == 0 ? 0 : c < 2 ? c + 1 : c + 2);
    const std::array columns = {ctl::setup_row_labels,    ctl::setup_name_boxes,         ctl::setup_pulses_boxes,
                                ctl::setup_unit_buttons,  ctl::setup_speed_boxes,   ctl::setup_acceleration_boxes, ctl::setup_min_boxes,
                                ctl::setup_max_boxes,     ctl::setup_position_boxes,     ctl::setup_reverse_buttons};
    for (std::size_t a = 0; a < axis_count; ++a)
        for (std::size_t c = 0; c < columns.size(); ++c)
            grid->addWidget(binder_->make(columns[c][a], this), static_cast<int>(a) + 1, static_cast<int>(c));
    grid->addWidget(binder_->make(ctl::setup_ok_button, this), 10, 1, 1, 2);
    grid->addWidget(binder_->make(ctl::setup_exit_button, this), 10, 3, 1, 2);
    grid->addWidget(binder_->make(ctl::setup_show_values_button, this), 10, 5, 1, 2);
    grid->addWidget(build_pad_section(), 11, 0, 1, static_cast<int>(columns.size()));
}

// Six rows of input, axis and "inv", then the dead zone, step and dead-man button.
QWidget* SetupDialog::build_pad_section() {
    auto* group = qobject_cast<QGroupBox*>(binder_->make(ctl::pad_group, this));
    auto* grid = new QGridLayout(group);
    for (std::size_t s = 0; s < ctl::pad_stick_labels.size(); ++s) {
        const int row = static_cast<int>(s % 3), column = static_cast<int>(s / 3) * 3;
        grid->addWidget(binder_->make(ctl::pad_stick_labels[s], group), row, column);
        grid->addWidget(binder_->make(ctl::pad_axis_buttons[s], group), row, column + 1);
        grid->addWidget(binder_->make(ctl::pad_invert_buttons[s], group), row, column + 2);
    }
    const std::array<std::pair<ControlName, ControlName>, 3> rows = {
        std::pair{ctl::pad_dead_zone_label, ctl::pad_dead_zone_box}, std::pair{ctl::pad_step_label, ctl::pad_step_box},
        std::pair{ctl::pad_dead_man_label, ctl::pad_dead_man_button}};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        grid->addWidget(binder_->make(rows[r].first, group), static_cast<int>(r), 6);
        grid->addWidget(binder_->make(rows[r].second, group), static_cast<int>(r), 7);
    }
    grid->setColumnStretch(8, 1);  // the boxes keep their size; the slack goes right
    return group;
}

void SetupDialog::sync() {
    const bool shown = app_.state().form1.at(ctl::setup_dialog).visible;
    if (shown != isVisible()) setVisible(shown);
}

HelpWindow::HelpWindow(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QString::fromStdString(ctl::help_window.str()));
    setWindowTitle("Help");
    resize(640, 560);
    binder_ = new PanelBinder(app.state().form2, this);
    auto* box = new QVBoxLayout(this);
    auto* heading = binder_->make(ctl::help_heading, this);
    heading->setStyleSheet("font-size: 16pt; font-weight: bold;");
    box->addWidget(heading);
    auto* text = binder_->make(ctl::help_text_box, this);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(text)) edit->setReadOnly(true);
    box->addWidget(text, 1);
    box->addWidget(binder_->make(ctl::help_close_button, this), 0, Qt::AlignRight);
}

void HelpWindow::sync() {
    const bool shown = app_.state().form2.at(ctl::help_window).visible;
    if (shown != isVisible()) setVisible(shown);
}

}  // namespace kestrova
