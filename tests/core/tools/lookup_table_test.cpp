#include <gtest/gtest.h>

#include "started_app.h"
#include "tools/controls.h"
#include "tools/lookup_table.h"
#include "tools/messages.h"

using namespace kestrova;
using test_support::StartedApp;

TEST(LookupTable, StepValuesRiseFromTheFirstEntry) {
    const auto t = step_table();
    const std::pair<int, int> known[] = {{1, 10240}, {2, 37888}, {3, 47104}, {7, 57636},
                                         {10, 60006}, {100, 64983}, {1000, 65480}, {1023, 65481}};
    for (auto [i, v] : known) EXPECT_EQ(t[static_cast<std::size_t>(i - 1)], v) << i;
}

TEST(LookupTable, TheListingAndTheArrayWriteTheirBytesAndOnlyTheArrayMovesAxisA) {
    StartedApp s;
    s.panel().press(ctl::lookup_listing_button);
    const Bytes b = test_support::file_bytes(s.dir.path() / "lookup.txt");
    const std::string text(b.begin(), b.end());
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    ASSERT_EQ(lines.size(), 2050u);
    EXPECT_EQ(text.size(), text.rfind("\r\n") + 2);  // the last line ends too
    EXPECT_EQ(lines[0], ".byte 0");
    EXPECT_EQ(lines[2], ".byte 128");
    EXPECT_EQ(lines[4], " .byte  40 ");
    EXPECT_EQ(lines[6], " .byte  148");  // 37888 = 148 * 256
    for (std::size_t i = 4; i < lines.size(); ++i) ASSERT_EQ(lines[i].size(), 11u) << i;
    EXPECT_EQ(s.engine().curpos[0], 0);

    s.panel().press(ctl::lookup_bin_button);
    const auto path = s.dir.path() / "lookup.bin";
    const Bytes first = test_support::file_bytes(path);
    ASSERT_EQ(first.size(), 10250u);
    EXPECT_EQ(Bytes(first.begin(), first.begin() + 5), (Bytes{0x08, 0x00, 0x01, 0x00, 0x00}));
    EXPECT_EQ(Bytes(first.begin() + 10, first.begin() + 15), (Bytes{0x08, 0x00, 0x01, 0x00, 0x80}));
    EXPECT_EQ(first[24], 0x28);  // high byte of entry 1 (10240)
    EXPECT_EQ(first[29], 0x00);  // its low byte
    EXPECT_EQ(s.engine().curpos[0], 200);
    s.panel().press(ctl::lookup_bin_button);
    EXPECT_EQ(test_support::file_bytes(path), first);
    EXPECT_EQ(s.status(), tools_msg::written(path.string()));
}

TEST(LookupTable, AFailedWriteIsReportedAndChangesNothing) {
    StartedApp s([](const auto&) {}, "gone");
    s.panel().press(ctl::lookup_bin_button);
    const auto path = s.dir.path() / "gone" / "lookup.bin";
    EXPECT_EQ(s.status().rfind(tools_msg::write_failed(path.string(), ""), 0), 0u) << s.status();
    EXPECT_EQ(s.engine().curpos[0], 0);
}
