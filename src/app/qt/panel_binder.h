// Mirrors a Panel onto widgets: copies texts both ways (blocking the echo),
// forwards clicks, keys and focus loss, and shows colours, captions and
// visibility as the panel holds them.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <string>

#include "base/panel.h"

class QWidget;

namespace kestrova {

class PanelBinder : public QObject {
    Q_OBJECT
public:
    explicit PanelBinder(Panel& panel, QObject* parent = nullptr);
    ~PanelBinder() override;

    // Create the widget for a control, named after it, and bind it.
    QWidget* make(const std::string& name, QWidget* parent);
    // Bind a widget made elsewhere (a chart, a file list).
    void bind(const std::string& name, QWidget* widget);
    QWidget* widget(const std::string& name) const;
    // The same by declared name; the string forms serve names met at run time.
    QWidget* make(ControlName name, QWidget* parent) { return make(name.str(), parent); }
    void bind(ControlName name, QWidget* widget) { bind(name.str(), widget); }
    QWidget* widget(ControlName name) const { return widget(name.str()); }

    // Copy one control's state onto its widget.
    void refresh(const std::string& name);
    void refresh_all();

    // Called after every forwarded event; lets the owner react to side effects.
    std::function<void()> after_event;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forward_text(const std::string& name, const QString& text);
    void done();

    Panel& panel_;
    std::map<std::string, QWidget*> widgets_;
    std::map<QObject*, std::string> names_;
    bool updating_ = false;
};

// The widget colour of a panel colour number (red in the low byte).
QString css_colour(std::uint32_t colour);

}  // namespace kestrova
