#include "link/qt/comm_menu.h"

#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "base/panel.h"
#include "link/controls.h"
#include "link/link.h"
#include "link/port_choices.h"

namespace kestrova {

namespace {

const QString last_port_key = QStringLiteral("lastPort");

// The port on line now is the one to offer first next time.
void remember_port(Link& link) {
    if (link.port() && !link.port()->lost()) QSettings().setValue(last_port_key, QString::fromStdString(link.port()->device()));
}

}  // namespace

void add_comm_menu(QMenuBar* bar, Panel& panel, Link& link, std::function<void()> after_change) {
    QMenu* menu = bar->addMenu(QString::fromStdString(panel.text(ctl::comm_entry)));
    menu->setObjectName(QString::fromStdString(ctl::comm_entry.str()));
    // The ports are listed afresh each time: adapters come and go.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &panel, &link, after_change] {
        menu->clear();
        remember_port(link);  // also a port reached through the command line or the Comm number
        const std::string current = link.port() ? link.port()->device() : std::string();
        QAction* off = menu->addAction("Off line");
        off->setObjectName("commOffline");
        off->setCheckable(true);
        off->setChecked(current.empty());
        QObject::connect(off, &QAction::triggered, menu, [&link, after_change] {
            link.go_offline();
            after_change();
        });
        menu->addSeparator();
        const auto ports = port_choices(link.opener() ? link.opener()->list() : std::vector<std::string>{}, current,
                                        QSettings().value(last_port_key).toString().toStdString());
        for (const std::string& device : ports) {
            QAction* a = menu->addAction(QString::fromStdString(device));
            a->setObjectName(QString::fromStdString("commPort:" + device));
            a->setCheckable(true);
            a->setChecked(device == current);
            QObject::connect(a, &QAction::triggered, menu, [&link, device, after_change] {
                if (link.go_online(device)) remember_port(link);  // a failure is on the status bar
                after_change();
            });
        }
        if (ports.empty()) menu->addAction("(no serial ports found)")->setEnabled(false);
        menu->addSeparator();
        QAction* other = menu->addAction("Other device...");
        other->setObjectName("commOther");
        QObject::connect(other, &QAction::triggered, menu, [menu, &link, after_change] {
            bool ok = false;
            const QString device = QInputDialog::getText(menu->parentWidget(), "Comm", "Serial device:",
                                                         QLineEdit::Normal, "/dev/ttyUSB0", &ok);
            if (ok && !device.trimmed().isEmpty() && link.go_online(device.trimmed().toStdString())) remember_port(link);
            after_change();
        });
        QAction* number = menu->addAction("Comm number...");
        number->setObjectName("commNumber");
        QObject::connect(number, &QAction::triggered, menu, [&panel, after_change] {
            panel.press(ctl::comm_entry);
            after_change();
        });
    });
}

}  // namespace kestrova
