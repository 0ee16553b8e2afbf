#include "app/qt/panel_binder.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace kestrova {

QString css_colour(std::uint32_t c) {
    if (c == colour::inactive_border) return QStringLiteral("#c8c8c8");
    if (c == colour::highlight) return QStringLiteral("#2f7fd8");
    const int r = static_cast<int>(c & 0xFF);
    const int g = static_cast<int>((c >> 8) & 0xFF);
    const int b = static_cast<int>((c >> 16) & 0xFF);
    return QStringLiteral("rgb(%1,%2,%3)").arg(r).arg(g).arg(b);
}

namespace {

// Key codes as the core knows them: F1..F10 are 112..121, Enter is 13, Escape 27.
int key_code(int qt_key) {
    if (qt_key == Qt::Key_Escape) return 27;
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F10) return 112 + (qt_key - Qt::Key_F1);
    if (qt_key == Qt::Key_Return || qt_key == Qt::Key_Enter) return 13;
    return 0;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

PanelBinder::PanelBinder(Panel& panel, QObject* parent) : QObject(parent), panel_(panel) {
    panel_.set_listener([this](const std::string& name) {
        if (!updating_) refresh(name);
    });
    panel_.set_focus_listener([this](const std::string& name) {
        if (QWidget* w = widget(name)) w->setFocus(Qt::OtherFocusReason);
    });
}

PanelBinder::~PanelBinder() {
    panel_.set_listener(nullptr);
    panel_.set_focus_listener(nullptr);
}

QWidget* PanelBinder::make(const std::string& name, QWidget* parent) {
    const Control& c = panel_.at(ControlName{name});
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::Box:
        if (c.multiline) {
            auto* edit = new QPlainTextEdit(parent);
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, name, edit] {
                forward_text(name, edit->toPlainText().replace('\n', QStringLiteral("\r\n")));
            });
            w = edit;
        } else {
            auto* edit = new QLineEdit(parent);
            connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& t) { forward_text(name, t); });
            w = edit;
        }
        break;
    case ControlKind::Button: {
        auto* b = new QPushButton(parent);
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QPushButton::clicked, this, [this, name] {
            panel_.press(ControlName{name});
            done();
        });
        w = b;
        break;
    }
    case ControlKind::Label:
        w = new QLabel(parent);
        break;
    case ControlKind::Frame:
        w = new QGroupBox(parent);
        break;
    case ControlKind::ScrollBar: {
        auto* s = new QScrollBar(Qt::Horizontal, parent);
        s->setEnabled(false);  // a read-out of the play position
        w = s;
        break;
    }
    default:
        w = new QWidget(parent);
        break;
    }
    bind(name, w);
    return w;
}

void PanelBinder::bind(const std::string& name, QWidget* w) {
    w->setObjectName(qs(name));
    widgets_[name] = w;
    names_[w] = name;
    w->installEventFilter(this);
    refresh(name);
}

QWidget* PanelBinder::widget(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void PanelBinder::forward_text(const std::string& name, const QString& text) {
    if (updating_) return;
    panel_.set_text(ControlName{name}, text.toStdString());
    done();
}

void PanelBinder::done() {
    if (after_event) after_event();
}

void PanelBinder::refresh_all() {
    for (const auto& [name, w] : widgets_) refresh(name);
}

void PanelBinder::refresh(const std::string& name) {
    auto it = widgets_.find(name);
    if (it == widgets_.end()) return;
    QWidget* w = it->second;
    const Control& c = panel_.at(ControlName{name});
    updating_ = true;
    const QSignalBlocker block(w);
    const QString text = qs(c.text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != text) e->setText(text);
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (e->toPlainText() != shown) e->setPlainText(shown);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(text);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(text);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(text);
    } else if (auto* s = qobject_cast<QScrollBar*>(w)) {
        s->setMaximum(c.maximum);
        s->setValue(c.value);
    }
    if (!c.tooltip.empty()) w->setToolTip(qs(c.tooltip));
    if (c.kind != ControlKind::Frame) {
        if (c.colour == colour::none) {
            w->setStyleSheet(QString());
        } else {
            const QString fg = (c.colour == colour::highlight) ? QStringLiteral("white") : QStringLiteral("black");
            w->setAutoFillBackground(true);
            w->setStyleSheet(QStringLiteral("background-color: %1; color: %2;").arg(css_colour(c.colour), fg));
        }
    }
    if (c.kind != ControlKind::ScrollBar) w->setEnabled(c.enabled);
    w->setVisible(c.visible);
    updating_ = false;
}

bool PanelBinder::eventFilter(QObject* watched, QEvent* event) {
    auto it = names_.find(watched);
    if (it == names_.end()) return QObject::eventFilter(watched, event);
    const std::string& name = it->second;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        auto* k = static_cast<QKeyEvent*>(event);
        const int code = key_code(k->key());
        if (code == 0) break;
        if (event->type() == QEvent::ShortcutOverride) {
            // Claim the function keys so no shortcut or menu sees them first.
            if (code >= 112) { event->accept(); return true; }
            break;
        }
        const bool consumed = panel_.key_down(ControlName{name}, code, k->isAutoRepeat());
        done();
        if (consumed || code >= 112) return consumed || code == 121;
        break;
    }
    case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(event);
        const int code = key_code(k->key());
        if (code == 0) break;
        panel_.key_up(ControlName{name}, code, k->isAutoRepeat());
        done();
        break;
    }
    case QEvent::FocusOut:
        panel_.focus_lost(ControlName{name});
        done();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrova
