#include "app/qt/run_program.h"

#include <QApplication>
#include <QLockFile>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/qt/look.h"
#include "app/start_messages.h"
#include "app/start_plan.h"
#include "base/file_io.h"
#include "link/link.h"
#include "link/qt/serial_port.h"
#include "app/qt/main_window.h"
#include "app/qt/window_geometry.h"
#include "log/messages.h"
#include "log/qt/log_sink.h"

namespace kestrova {

int run_program(int argc, char** argv) {
    // The command line is read before the window application starts: --help,
    // --version and a missing display must not need (or crash in) Qt.
    std::error_code ec;
    const StartPlan plan = plan_start(std::vector<std::string>(argv + 1, argv + argc), StartEnvironment::of_process(),
                                      std::filesystem::current_path(ec));
    std::fputs(plan.output.c_str(), stdout);
    std::fputs(plan.error.c_str(), stderr);
    if (!plan.open_window) return plan.exit_status;

    // One program per working folder: two would overwrite each other's moves
    // and setup unasked. A lock left by a killed program names a process that
    // is gone and is taken over.
    QLockFile folder_lock(QString::fromStdString((plan.workdir / working_folder_lock).string()));
    folder_lock.setStaleLockTime(0);  // stale only when its program is gone, however long a program runs
    if (!folder_lock.tryLock(0)) {
        const std::string folder = plan.workdir.string();
        const std::string why = folder_lock.error() == QLockFile::LockFailedError ? start_msg::folder_in_use(folder)
                                                                                  : start_msg::folder_lock_failed(folder);
        std::fprintf(stderr, "%s: %s\n", start_msg::program_name, why.c_str());
        return 1;
    }

    QApplication qapp(argc, argv);
    QApplication::setApplicationName("kestrova");
    QApplication::setOrganizationName("Kestrova");
    follow_desktop_look();
    App app(plan.workdir, make_serial_port_opener());
    install_log_file(app.state().workdir / log_text::log_file);
    app.keep_log(qt_log_sink());
    app.start();
    MainWindow window(app);
    const bool restored = restore_geometry(window);
    if (!plan.port.empty()) {
        if (!app.link().go_online(plan.port))
            std::fprintf(stderr, "kestrova: %s\n", app.state().notices.status.c_str());
        window.sync();
    }
    if (!restored && opens_maximised(available_screen_area(window)))
        window.showMaximized();
    else
        window.show();
    window.start_clock();
    const int status = QApplication::exec();
    save_geometry(window);
    return status;
}

}  // namespace kestrova
