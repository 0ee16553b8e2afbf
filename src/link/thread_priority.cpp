#include "link/thread_priority.h"

#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "link/messages.h"

namespace kestrova {

PriorityAnswer request_fifo(pthread_t thread) {
    sched_param sp{};
    sp.sched_priority = sender_realtime_priority;
    const int err = ::pthread_setschedparam(thread, SCHED_FIFO, &sp);
    return err == 0 ? PriorityAnswer::yes() : PriorityAnswer::no(std::strerror(err));
}

PriorityOutcome raise_thread(pthread_t thread, pid_t tid, const DirectPriorityRequest& direct,
                             ThreadPriorityBroker* broker) {
    PriorityOutcome out;
    auto note = [&out](const std::string& asked, const PriorityAnswer& a) {
        if (!out.reason.empty()) out.reason += "; ";
        out.reason += link_text::priority_answer(asked, a);
        return a.granted;
    };
    if (note(link_text::asked_direct, direct(thread))) {
        out.level = ThreadPriority::realtime;
        return out;
    }
    if (!broker) {
        out.reason += "; " + link_text::no_broker;
        return out;
    }
    if (note(link_text::asked_broker_realtime, broker->make_realtime(tid, sender_realtime_priority))) {
        out.level = ThreadPriority::realtime;
    } else if (note(link_text::asked_broker_high, broker->make_high_priority(tid, sender_nice))) {
        out.level = ThreadPriority::high;
    }
    return out;
}

PriorityAnswer limit_realtime_cpu(std::int64_t usec) {
    if (usec <= 0) return PriorityAnswer::no(link_text::rttime_unusable(usec));
    rlimit rl{};
    if (::getrlimit(RLIMIT_RTTIME, &rl) != 0) return PriorityAnswer::no(std::strerror(errno));
    const auto want = static_cast<rlim_t>(usec);
    if (rl.rlim_max > want) rl.rlim_max = want;  // also when unlimited
    if (rl.rlim_cur > rl.rlim_max) rl.rlim_cur = rl.rlim_max;
    if (::setrlimit(RLIMIT_RTTIME, &rl) != 0) return PriorityAnswer::no(std::strerror(errno));
    return PriorityAnswer::yes();
}

pid_t current_tid() { return static_cast<pid_t>(::syscall(SYS_gettid)); }

}  // namespace kestrova
