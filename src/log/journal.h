// What goes into the log: every status message, each change of the link's
// state, and while on line the link's rate once a minute. The journal only
// words the events; where the lines go is the sink's business. A line the
// sink cannot write is said once, on the next tick, until a write succeeds again.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "base/notices.h"

namespace kestrova {

class Journal {
public:
    using Sink = std::function<Result<>(const std::string& line)>;

    explicit Journal(Sink sink) : sink_(std::move(sink)) {}

    // Start listening to the notices' messages.
    void attach(Notices& notices);
    // Once per 40 ms clock tick: link state changes and the minute's rate,
    // and a failure to write that is not yet said.
    void tick(Notices& notices);

    static constexpr int ticks_per_minute = 1500;

private:
    void write(const std::string& line);

    Sink sink_;
    std::optional<std::string> failure_;  // since the last line written
    bool failure_said_ = false;
    std::string last_link_;
    int ticks_on_line_ = 0;
};

// "2026-12-06 14:03:07 " in local time, for the start of a log line.
std::string log_time(std::chrono::system_clock::time_point when);

}  // namespace kestrova
