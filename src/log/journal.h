// What goes into the log: every status message, each change of the link's
// state, and while on line the link's rate once a minute. The journal only
// words the events; where the lines go is the sink's business.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "base/notices.h"

namespace kestrova {

class Journal {
public:
    using Sink = std::function<void(const std::string& line)>;

    explicit Journal(Sink sink) : sink_(std::move(sink)) {}

    // Start listening to the notices' messages.
    void attach(Notices& notices);
    // Once per 40 ms clock tick: link state changes and the minute's rate.
    void tick(const Notices& notices);

    static constexpr int ticks_per_minute = 1500;

private:
    void write(const std::string& line) const;

    Sink sink_;
    std::string last_link_;
    int ticks_on_line_ = 0;
};

// "2026-12-06 14:03:07 " in local time, for the start of a log line.
std::string log_time(std::chrono::system_clock::time_point when);

}  // namespace kestrova
