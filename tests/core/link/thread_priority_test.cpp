#include <gtest/gtest.h>

#include <fstream>

#include "core/engine/engine_fixture.h"
#include "link/messages.h"
#include "link/paced_sender.h"
#include "link/thread_priority.h"

using namespace kestrova;
using kestrova::test_support::EngineTest;

namespace {

struct FakeBroker : ThreadPriorityBroker {
    bool grants_realtime = false, grants_high = false;
    std::vector<std::string> asked;
    pid_t tid = 0;
    int level = 0;

    PriorityAnswer answer(const char* request, pid_t t, int l, bool granted, const char* why) {
        asked.push_back(request);
        tid = t;
        level = l;
        return granted ? PriorityAnswer::yes() : PriorityAnswer::no(why);
    }
    PriorityAnswer make_realtime(pid_t t, int p) override {
        return answer("realtime", t, p, grants_realtime, "not in an active session");
    }
    PriorityAnswer make_high_priority(pid_t t, int n) override { return answer("high", t, n, grants_high, "nice refused"); }
};

DirectPriorityRequest answering(bool granted) {
    return [granted](pthread_t) { return granted ? PriorityAnswer::yes() : PriorityAnswer::no("Operation not permitted"); };
}

}  // namespace

TEST(RaiseThread, AsksTheSystemThenTheBrokerForRealTimeThenForHighPriorityAndSaysWhy) {
    struct Case {
        bool direct, broker_rt, broker_high;
        ThreadPriority level;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {true, true, true, ThreadPriority::realtime, {}},
        {false, true, true, ThreadPriority::realtime, {"realtime"}},
        {false, false, true, ThreadPriority::high, {"realtime", "high"}},
        {false, false, false, ThreadPriority::normal, {"realtime", "high"}},
    };
    for (const Case& c : cases) {
        FakeBroker broker;
        broker.grants_realtime = c.broker_rt;
        broker.grants_high = c.broker_high;
        const PriorityOutcome out = raise_thread(::pthread_self(), 4242, answering(c.direct), &broker);
        EXPECT_EQ(out.level, c.level) << out.reason;
        EXPECT_EQ(broker.asked, c.asked) << out.reason;
        if (!c.asked.empty()) {
            EXPECT_EQ(broker.tid, 4242);
            EXPECT_EQ(broker.level, c.asked.back() == "realtime" ? sender_realtime_priority : sender_nice);
        }
    }
    // Refused everywhere: the reason names every request and its answer.
    FakeBroker broker;
    const std::string reason = raise_thread(::pthread_self(), 1, answering(false), &broker).reason;
    for (const char* answer : {"Operation not permitted", "not in an active session", "nice refused"})
        EXPECT_NE(reason.find(answer), std::string::npos) << reason;
    const PriorityOutcome alone = raise_thread(::pthread_self(), 1, answering(false), nullptr);
    EXPECT_EQ(alone.level, ThreadPriority::normal);
    EXPECT_NE(alone.reason.find(link_text::no_broker), std::string::npos) << alone.reason;
}

TEST_F(EngineTest, LinkFiguresSayHowTheSendingThreadIsScheduled) {
    FakeBroker broker;
    broker.grants_high = true;
    PacedSender sender(std::chrono::seconds(10));
    sender.raise_with(&broker, answering(false));
    sender.start(nullptr);
    // The broker is told the sending thread's own kernel id, not the caller's.
    std::ifstream comm("/proc/self/task/" + std::to_string(broker.tid) + "/comm");
    std::string name;
    std::getline(comm, name);
    EXPECT_EQ(name, "kestrova-send");
    app->link().set_transmitter(&sender);
    const std::string& shown = rig.notices().link_rate;
    for (ThreadPriority level : {ThreadPriority::high, ThreadPriority::normal}) {
        tick();
        EXPECT_EQ(shown.substr(shown.rfind(", ") + 2), link_text::priority_name(level)) << shown;
        app->link().set_transmitter(nullptr);
    }
}
