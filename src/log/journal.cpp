#include "log/journal.h"

#include <ctime>

#include "log/messages.h"

namespace kestrova {

std::string log_time(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char out[32];
    std::strftime(out, sizeof out, "%Y-%m-%d %H:%M:%S ", &local);
    return out;
}

void Journal::write(const std::string& line) const {
    if (sink_) sink_(log_time(std::chrono::system_clock::now()) + line);
}

void Journal::attach(Notices& notices) {
    notices.on_say = [this](const SaidMessage& m) {
        if (sink_) sink_(log_time(m.when) + log_text::status(m.text));
    };
}

void Journal::tick(const Notices& notices) {
    if (notices.link != last_link_) {
        last_link_ = notices.link;
        ticks_on_line_ = 0;
        if (!last_link_.empty()) write(log_text::link(last_link_));
    }
    if (notices.link_rate.empty()) return;
    if (++ticks_on_line_ >= ticks_per_minute) {
        ticks_on_line_ = 0;
        write(log_text::rate(notices.link_rate));
    }
}

}  // namespace kestrova
