#include "app/qt/run_program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

#include "link/link.h"
#include "link/qt/serial_port.h"
#include "app/qt/main_window.h"
#include "app/qt/window_geometry.h"
#include "log/messages.h"
#include "log/qt/log_sink.h"

namespace kestrova {

int run_program(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("kestrova");
    QApplication::setOrganizationName("Kestrova");
    QCommandLineParser parser;
    parser.setApplicationDescription("Motion-control rig driver");
    parser.addHelpOption();
    QCommandLineOption port_option("port", "Go on line on the serial device DEVICE at start-up.", "DEVICE");
    parser.addOption(port_option);
    parser.process(qapp);

    App app(std::filesystem::path(QDir::currentPath().toStdString()), make_serial_port_opener());
    install_log_file(app.state().workdir / log_text::log_file);
    app.keep_log(qt_log_sink());
    app.start();
    MainWindow window(app);
    restore_geometry(window);
    if (parser.isSet(port_option)) {
        const std::string device = parser.value(port_option).toStdString();
        if (!app.link().go_online(device))
            std::fprintf(stderr, "kestrova: %s\n", app.state().notices.status.c_str());
        window.sync();
    }
    window.show();
    window.start_clock();
    const int status = QApplication::exec();
    save_geometry(window);
    return status;
}

}  // namespace kestrova
