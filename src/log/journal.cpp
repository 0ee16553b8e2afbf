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

void Journal::write(const std::string& line) {
    if (!sink_) return;
    const Result<> r = sink_(line);
    if (r) {
        failure_.reset();
        failure_said_ = false;
    } else if (!failure_) {
        failure_ = r.error();
    }
}

void Journal::attach(Notices& notices) {
    notices.on_say = [this](const SaidMessage& m) { write(log_time(m.when) + log_text::status(m.text)); };
}

void Journal::tick(Notices& notices) {
    // Said here, not while a message is being said: saying it logs it too.
    if (failure_ && !failure_said_) {
        failure_said_ = true;
        notices.say(*failure_);
    }
    if (notices.link != last_link_) {
        last_link_ = notices.link;
        ticks_on_line_ = 0;
        if (!last_link_.empty()) write(log_time(std::chrono::system_clock::now()) + log_text::link(last_link_));
    }
    if (notices.link_rate.empty()) return;
    if (++ticks_on_line_ >= ticks_per_minute) {
        ticks_on_line_ = 0;
        write(log_time(std::chrono::system_clock::now()) + log_text::rate(notices.link_rate));
    }
}

}  // namespace kestrova
