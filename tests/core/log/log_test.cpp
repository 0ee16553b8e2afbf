#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "log/journal.h"
#include "log/messages.h"
#include "log/rotating_file.h"
#include "started_app.h"

using namespace kestrova;
namespace fs = std::filesystem;

namespace {
std::string read(const fs::path& p) {
    const Bytes b = test_support::file_bytes(p);
    return {b.begin(), b.end()};
}
}  // namespace

TEST(RotatingFile, StartsAFreshFileAtTheLimitKeepsThreeOldAndReportsAFolderItCannotWrite) {
    test_support::TempDir dir;
    const fs::path log = dir.path() / "kestrova.log";
    RotatingFile file(log, 100, 3);
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(file.append_line(std::string(29, static_cast<char>('a' + i))).ok());
    // 30 bytes a line: three lines a file.
    EXPECT_EQ(read(log), std::string(29, 's') + "\n" + std::string(29, 't') + "\n");
    EXPECT_EQ(read(log.string() + ".1").substr(0, 29), std::string(29, 'p'));
    EXPECT_FALSE(fs::exists(log.string() + ".4"));
    for (const char* name : {"kestrova.log", "kestrova.log.1", "kestrova.log.2", "kestrova.log.3"})
        EXPECT_LE(fs::file_size(dir.path() / name), 100u) << name;

    // A folder that cannot be written is a failure, not a throw; a pipe or a
    // device under the log's name is refused at once, never waited on.
    RotatingFile nowhere("/proc/kestrova-no-such/kestrova.log");
    const Result<> r = nowhere.append_line("x");
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error().find("/proc/kestrova-no-such/kestrova.log"), std::string::npos);
    const fs::path fifo = dir.path() / "fifo.log";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const fs::path& odd : {fifo, fs::path("/dev/null")})
        EXPECT_EQ(RotatingFile(odd).append_line("x").error(), log_text::not_a_file(odd.string()));
}

TEST(Journal, WritesMessagesLinkChangesAndTheRateOnceAMinuteAndNoticesKeepTheLastFiveHundred) {
    std::vector<std::string> lines;
    bool writable = true;
    Journal journal([&](const std::string& l) -> Result<> {
        if (!writable) return fail("cannot write");
        lines.push_back(l.substr(20));  // without the time
        return {};
    });
    Notices notices;
    notices.link = "off line";
    journal.attach(notices);
    journal.tick(notices);
    notices.say("Move saved to moves/a");
    notices.link = "on line /dev/pts/3";
    notices.link_rate = "25.0 msg/s";
    for (int i = 0; i < 2 * Journal::ticks_per_minute; ++i) journal.tick(notices);
    notices.link = "port lost";
    notices.link_rate.clear();
    journal.tick(notices);
    EXPECT_EQ(lines, (std::vector<std::string>{"link: off line", "status: Move saved to moves/a",
                                               "link: on line /dev/pts/3", "link rate: 25.0 msg/s",
                                               "link rate: 25.0 msg/s", "link: port lost"}));

    // A log that cannot be written is said once, on the next tick, and again
    // only after a line got through.
    auto failures = [&] {
        return std::count_if(notices.said.begin(), notices.said.end(),
                             [](const SaidMessage& m) { return m.text == "cannot write"; });
    };
    writable = false;
    notices.say("a");
    notices.say("b");
    for (int i = 0; i < 3; ++i) journal.tick(notices);
    EXPECT_EQ(failures(), 1);
    writable = true;
    notices.say("c");
    writable = false;
    notices.say("d");
    journal.tick(notices);
    EXPECT_EQ(failures(), 2);

    // The notices keep the last five hundred messages with their times.
    Notices n;
    for (int i = 0; i < 600; ++i) n.say("m" + std::to_string(i));
    ASSERT_EQ(n.said.size(), kept_messages);
    EXPECT_EQ(n.said.front().text, "m100");
    EXPECT_EQ(n.said.back().text, "m599");
    EXPECT_LE(n.said.front().when, n.said.back().when);
}
