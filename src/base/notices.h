// What the program tells the operator: the status-bar line and, rarely, a
// message box. The window shows them; tests read them.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "base/result.h"

namespace kestrova {

struct MessageBoxRequest {
    std::string title;
    std::string text;
    bool ok_cancel = false;  // OK and Cancel instead of OK alone
    bool exclamation = false;  // a warning icon instead of the information icon
    std::function<void(bool ok)> answer;  // told which button closed the box (OK: true)
};

// A status message as it was said, for the Messages list and the log.
struct SaidMessage {
    std::chrono::system_clock::time_point when;
    std::string text;
};

inline constexpr std::size_t kept_messages = 500;

struct Notices {
    std::string status;        // latest message for the status bar
    unsigned status_serial = 0;  // bumped by every message, also a repeated one
    std::optional<MessageBoxRequest> box;  // shown by the window, then cleared
    std::string link;          // link state: "off line", "on line DEVICE", "port lost"
    std::string link_rate;     // message rate and worst lateness while on line

    std::deque<SaidMessage> said;  // the last `kept_messages` messages, oldest first
    // Told of every message as it is said (the log listens here).
    std::function<void(const SaidMessage&)> on_say;

    // Say why an operation failed; a success says nothing here.
    void report(const Result<>& r) {
        if (!r) say(r.error());
    }

    void say(std::string text) {
        status = std::move(text);
        ++status_serial;
        said.push_back({std::chrono::system_clock::now(), status});
        if (said.size() > kept_messages) said.pop_front();
        if (on_say) on_say(said.back());
    }
};

}  // namespace kestrova
