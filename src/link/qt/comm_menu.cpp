#include "link/qt/comm_menu.h"

#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>

#include "link/link.h"
#include "app/app.h"

namespace kestrova {

void add_comm_menu(QMenuBar* bar, App& app, std::function<void()> after_change) {
    QMenu* menu = bar->addMenu(QString::fromStdString(app.panel().text("comm")));
    menu->setObjectName("comm");
    // The ports are listed afresh each time: adapters come and go.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &app, after_change] {
        menu->clear();
        Link& link = app.link();
        const std::string current = link.port() ? link.port()->device() : std::string();
        QAction* off = menu->addAction("Off line");
        off->setObjectName("commOffline");
        off->setCheckable(true);
        off->setChecked(current.empty());
        QObject::connect(off, &QAction::triggered, menu, [&app, after_change] {
            app.link().go_offline();
            after_change();
        });
        menu->addSeparator();
        const auto ports = link.opener() ? link.opener()->list() : std::vector<std::string>{};
        for (const std::string& device : ports) {
            QAction* a = menu->addAction(QString::fromStdString(device));
            a->setCheckable(true);
            a->setChecked(device == current);
            QObject::connect(a, &QAction::triggered, menu, [&app, device, after_change] {
                app.link().go_online(device);
                after_change();
            });
        }
        if (ports.empty()) menu->addAction("(no serial ports found)")->setEnabled(false);
        menu->addSeparator();
        QAction* other = menu->addAction("Other device...");
        other->setObjectName("commOther");
        QObject::connect(other, &QAction::triggered, menu, [menu, &app, after_change] {
            bool ok = false;
            const QString device = QInputDialog::getText(menu->parentWidget(), "Comm", "Serial device:",
                                                         QLineEdit::Normal, "/dev/ttyUSB0", &ok);
            if (ok && !device.trimmed().isEmpty()) app.link().go_online(device.trimmed().toStdString());
            after_change();
        });
        QAction* number = menu->addAction("Comm number...");
        number->setObjectName("commNumber");
        QObject::connect(number, &QAction::triggered, menu, [&app, after_change] {
            app.press("comm");
            after_change();
        });
    });
}

}  // namespace kestrova
