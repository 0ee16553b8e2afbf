// What a lower layer tells the layers above it: posted during a command or a
// 40 ms step, dispatched by the app once in one place when that returns. A
// repeat of an event still waiting is kept once, so a command that changes
// the move several times draws the chart once.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrova {

enum class Event : std::uint8_t {
    length_changed,  // the move has a new row count: the chart takes it and its labels
    move_changed,    // the move's tables changed: the chart draws them again
    chart_stale,     // the same in the chart's mode (its speed table rebuilt)
    setup_opened,    // "Setup" opened the dialog: other sections show their settings too
    setup_accepted,  // "save and exit setup": the engine applies the dialog between two messages
    setup_due,       // the engine's step has come: the dialog's values are applied now
    kept_settings_changed,  // pulses per unit or a toggle changed: the program's settings keep them
};
inline constexpr int event_kinds = 7;

class Events {
public:
    void post(Event e) { pending_ |= bit(e); }
    bool pending(Event e) const { return (pending_ & bit(e)) != 0; }
    // Everything waiting, in the order of the enum, and the queue empty.
    std::vector<Event> take_all() {
        std::vector<Event> taken;
        for (int i = 0; i < event_kinds; ++i)
            if (pending(static_cast<Event>(i))) taken.push_back(static_cast<Event>(i));
        pending_ = 0;
        return taken;
    }

private:
    static std::uint32_t bit(Event e) { return 1U << static_cast<unsigned>(e); }
    std::uint32_t pending_ = 0;
};

}  // namespace kestrova
