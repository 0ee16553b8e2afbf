// The desktop's real-time broker (RealtimeKit) on the system bus: raises a
// thread of this process for an ordinary user, as it does for audio servers.
// It grants the real-time class only to a process that bounds its real-time
// CPU time (RLIMIT_RTTIME), which is set here first.
#pragma once

#include <string>

#include "link/thread_priority.h"

namespace kestrova {

class RealtimeKitBroker : public ThreadPriorityBroker {
public:
    PriorityAnswer make_realtime(pid_t tid, int priority) override;
    PriorityAnswer make_high_priority(pid_t tid, int nice) override;

private:
    // Why the broker did not answer in time; later requests are then refused at once.
    std::string silent_;
};

}  // namespace kestrova
