// How far the sending thread's scheduling is raised. The system is asked
// directly for the real-time class first (root, CAP_SYS_NICE or an rtprio
// limit grant it); when refused, a broker that may raise threads of ordinary
// users (the desktop's real-time broker) is asked for the real-time class and
// then for high priority (a raised nice level). When all refuse, the thread
// runs at normal priority and still keeps its deadlines absolute.
#pragma once

#include <pthread.h>
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>

namespace kestrova {

enum class ThreadPriority { normal, high, realtime };

// A request's answer: granted, or why not.
struct PriorityAnswer {
    bool granted = false;
    std::string error;
    static PriorityAnswer yes() { return {true, {}}; }
    static PriorityAnswer no(std::string why) { return {false, std::move(why)}; }
};

// What holds, and what each request answered (for a log).
struct PriorityOutcome {
    ThreadPriority level = ThreadPriority::normal;
    std::string reason;
};

// Raises threads of this process on the process's behalf.
class ThreadPriorityBroker {
public:
    virtual ~ThreadPriorityBroker() = default;
    // The real-time class for kernel thread `tid` at `priority`, or at the
    // broker's highest when that is lower.
    virtual PriorityAnswer make_realtime(pid_t tid, int priority) = 0;
    // A nice level of `nice` for `tid`, or the broker's lowest when that is higher.
    virtual PriorityAnswer make_high_priority(pid_t tid, int nice) = 0;
};

inline constexpr int sender_realtime_priority = 10;
inline constexpr int sender_nice = -10;

// The direct request; the default asks for SCHED_FIFO at sender_realtime_priority.
using DirectPriorityRequest = std::function<PriorityAnswer(pthread_t)>;
PriorityAnswer request_fifo(pthread_t thread);

// Direct request, then the broker's real-time, then the broker's high priority
// (no broker: only the first).
PriorityOutcome raise_thread(pthread_t thread, pid_t tid, const DirectPriorityRequest& direct,
                             ThreadPriorityBroker* broker);

// The kernel stops a real-time thread of this process that runs `usec` of CPU
// time without blocking (RLIMIT_RTTIME, soft and hard); brokers require such a
// bound before they grant the real-time class. A lower bound already set stays.
PriorityAnswer limit_realtime_cpu(std::int64_t usec);

// The calling thread's kernel id.
pid_t current_tid();

}  // namespace kestrova
