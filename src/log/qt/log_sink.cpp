#include "log/qt/log_sink.h"

#include <cstring>
#include <memory>

#include "log/rotating_file.h"

Q_LOGGING_CATEGORY(lcKestrova, "kestrova", QtInfoMsg)

namespace kestrova {

namespace {

std::unique_ptr<RotatingFile> log_file;
QtMessageHandler previous_handler = nullptr;
Result<> last_append;  // the handler runs inside the logging call, so the sink can read it

void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (log_file && context.category && std::strcmp(context.category, "kestrova") == 0) {
        last_append = log_file->append_line(text.toStdString());
        return;
    }
    if (previous_handler) previous_handler(type, context, text);
}

}  // namespace

void install_log_file(const std::filesystem::path& path) {
    log_file = std::make_unique<RotatingFile>(path);
    QtMessageHandler before = qInstallMessageHandler(handle);
    if (before != handle) previous_handler = before;
}

Journal::Sink qt_log_sink() {
    return [](const std::string& line) {
        last_append = {};
        qCInfo(lcKestrova).noquote() << QString::fromStdString(line);
        return last_append;
    };
}

}  // namespace kestrova
