#include "app/qt/side_windows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/controls.h"
#include "app/qt/panel_binder.h"

namespace kestrova {

SetupDialog::SetupDialog(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName("Form1");
    setWindowTitle("Setup");
    binder_ = new PanelBinder(app.state().form1, this);
    auto* grid = new QGridLayout(this);
    const char* heads[] = {"Label10", "Label3", "Label24", "Label2", "Label4", "Label5", "Label6"};
    for (int c = 0; c < 7; ++c) grid->addWidget(binder_->make(heads[c], this), 0, c == 0 ? 0 : c + 1);
    for (int a = 0; a < axis_count; ++a) {
        const int row = a + 1;
        grid->addWidget(binder_->make("Row" + std::to_string(a + 1), this), row, 0);
        grid->addWidget(binder_->make("Name" + std::to_string(a + 1), this), row, 1);
        grid->addWidget(binder_->make(axis_box("pos", a), this), row, 2);
        grid->addWidget(binder_->make(axis_box("Spd", a), this), row, 3);
        grid->addWidget(binder_->make(fspeed_boxes[a], this), row, 4);
        grid->addWidget(binder_->make(min_boxes[a], this), row, 5);
        grid->addWidget(binder_->make(max_box(a), this), row, 6);
        grid->addWidget(binder_->make("Text" + std::to_string(a + 1), this), row, 7);
        grid->addWidget(binder_->make(axis_box("rev", a) + "x", this), row, 8);
    }
    grid->addWidget(binder_->make("Command5", this), 10, 1, 1, 2);
    grid->addWidget(binder_->make("Command28", this), 10, 3, 1, 2);
    grid->addWidget(binder_->make("Command29", this), 10, 5, 1, 2);
}

void SetupDialog::sync() {
    const bool shown = app_.state().form1.at("Form1").visible;
    if (shown != isVisible()) setVisible(shown);
}

HelpWindow::HelpWindow(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName("Form2");
    setWindowTitle("Help");
    resize(640, 560);
    binder_ = new PanelBinder(app.state().form2, this);
    auto* box = new QVBoxLayout(this);
    auto* heading = binder_->make("Label1", this);
    heading->setStyleSheet("font-size: 16pt; font-weight: bold;");
    box->addWidget(heading);
    auto* text = binder_->make("Text1", this);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(text)) edit->setReadOnly(true);
    box->addWidget(text, 1);
    box->addWidget(binder_->make("Command1", this), 0, Qt::AlignRight);
}

void HelpWindow::sync() {
    const bool shown = app_.state().form2.at("Form2").visible;
    if (shown != isVisible()) setVisible(shown);
}

}  // namespace kestrova
