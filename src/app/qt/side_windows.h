// The setup dialog and the help window, each a view of its own panel.
#pragma once

#include <QDialog>

#include "app/app.h"

namespace kestrova {

class PanelBinder;

class SetupDialog : public QDialog {
    Q_OBJECT
public:
    SetupDialog(App& app, QWidget* parent);
    void sync();
    PanelBinder* binder() { return binder_; }

private:
    QWidget* build_pad_section();
    App& app_;
    PanelBinder* binder_;
};

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(App& app, QWidget* parent);
    void sync();
    PanelBinder* binder() { return binder_; }

private:
    App& app_;
    PanelBinder* binder_;
};

}  // namespace kestrova
