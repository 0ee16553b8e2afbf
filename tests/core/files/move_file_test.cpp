#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <set>

#include "files/messages.h"
#include "files/move_codec.h"
#include "started_app.h"

using namespace kestrova;
using Started = test_support::StartedApp;

namespace {

// Everything of the move that a load could change.
auto snapshot(Started& s) {
    return std::tuple(encode_move(s.move()), s.move().rows(), s.text(ctl::total_frames_box), s.text(ctl::keyframe_count_box), s.text(ctl::keyframe_list_boxes[0]));
}

double movepos_in_file(const Bytes& b, int rows, int frame, int axis) {
    double v;
    std::memcpy(&v, b.data() + 6 + 40 * static_cast<std::size_t>(rows) +
                        8 * (static_cast<std::size_t>(axis) * static_cast<std::size_t>(rows) + static_cast<std::size_t>(frame - 1)),
                sizeof v);
    return v;
}

}  // namespace

TEST(MoveFile, TheStartUpMoveIsLengthTagCountThenZerosAndKeyframesAndMoveLandWhereTheLayoutSays) {
    Started s;
    s.save_as("start");  // the moves folder is created at start-up
    const Bytes start = s.file("start");
    ASSERT_EQ(start.size(), 120006u);
    EXPECT_EQ(Bytes(start.begin(), start.begin() + 6), (Bytes{0xDC, 0x05, 0x02, 0x00, 0x01, 0x00}));
    EXPECT_TRUE(std::all_of(start.begin() + 6, start.end(), [](std::uint8_t x) { return x == 0; }));

    s.set_length(250);
    s.add_keyframe(50, {10, 20, 30, 40, 50});
    s.add_keyframe(150, {-1, -2, -3, -4, -5});
    s.add_keyframe(100, {7, 8, 9, 10, 11});
    s.save_as("three");
    const Bytes b = s.file("three");
    ASSERT_EQ(b.size(), 20006u);
    EXPECT_EQ(b[4] | (b[5] << 8), 4);
    const int frames[] = {50, 100, 150};
    const int pos_c[] = {30, 9, -3};
    for (int k = 0; k < 3; ++k) {
        for (int a = 0; a < 5; ++a) EXPECT_EQ(test_support::le32(b, 6 + 1000 * (2 * a) + 4 * k), frames[k]);
        EXPECT_EQ(test_support::le32(b, 6 + 1000 * 5 + 4 * k), pos_c[k]);  // kfposC
    }
    EXPECT_EQ(test_support::le32(b, 6 + 4 * 3), 0);  // a free row
    for (int f : {1, 50, 75, 250})
        for (int a = 0; a < 5; ++a) EXPECT_EQ(movepos_in_file(b, 250, f, a), s.move().movepos.at(f, a)) << f << a;
    EXPECT_NE(movepos_in_file(b, 250, 75, 0), 0.0);
}

TEST(MoveFile, LoadRestoresAShapedMoveAsItWasAndReCalcMakesItLinear) {
    Started s;
    s.set_length(250);
    s.add_keyframe(1, {0, 0, 0, 0, 0});
    s.add_keyframe(200, {1000, 0, 0, 0, 0});
    for (int f = 1; f <= 200; ++f) s.move().movepos.at(f, 0) = 1000.0 * (f / 200.0) * (f / 200.0);  // a curve
    const auto shaped = snapshot(s);
    s.save_as("curve");
    s.set_length(1000);
    s.add_keyframe(10, {5, 5, 5, 5, 5});
    const unsigned drawn = s.graph().revision;
    s.load("curve");
    EXPECT_TRUE(snapshot(s) == shaped);
    EXPECT_EQ(s.graph().revision, drawn + 1);  // cleared, resized and filled: drawn once
    EXPECT_EQ(s.graph().series[0][199], 1000.0);  // and the chart shows it
    s.app.press(ctl::recalc_button);
    EXPECT_NEAR(s.move().movepos.at(100, 0), 500.0, 5.0);  // a straight line again, not the curve's 250
}

// A refused file names itself and the first broken rule and leaves the move as it was.
TEST(MoveFile, FilesBreakingTheFormatOrTheMovesRulesAreRefused) {
    Started s;
    s.set_length(250);
    s.add_keyframe(20, {1, 2, 3, 4, 5});
    s.save_as("good");
    const Bytes good = s.file("good");
    s.set_length(300);
    s.add_keyframe(40, {9, 9, 9, 9, 9});
    const auto before = snapshot(s);

    // The good file with another header, other keyframe words or another position (little-endian host).
    auto header = [&](std::int16_t frames, std::int16_t tag, std::int16_t nextkf) {
        Bytes b = good;
        std::memcpy(b.data(), &frames, 2);
        std::memcpy(b.data() + 2, &tag, 2);
        std::memcpy(b.data() + 4, &nextkf, 2);
        return b;
    };
    auto keyframes = [&](std::int16_t nextkf, std::size_t at, std::int32_t frame) {
        Bytes b = header(250, 2, nextkf);
        std::memcpy(b.data() + at, &frame, 4);
        return b;
    };
    auto position = [&](double v) {
        Bytes b = good;
        std::memcpy(b.data() + 6 + 10000 + 8 * 2, &v, 8);  // axis A, frame 3
        return b;
    };
    constexpr std::size_t kfframe_a2 = 6 + 4;         // kfframeA, row 2
    constexpr std::size_t kfframe_c1 = 6 + 2000 * 2;  // kfframeC, row 1
    Bytes longer = good;
    longer.resize(120006, 0xEE);
    const std::pair<Bytes, std::string> cases[] = {
        {Bytes(good.begin(), good.end() - 1), "fewer than the 20006 of a 250-frame move"},
        {Bytes{0xFA, 0x00}, "too few"},
        {header(0, 2, 2), "move length 0 is outside 1..32766"},
        {header(32767, 2, 2), "move length 32767"},
        {header(250, 3, 2), "type tag 3"},
        {header(250, 2, 0), "keyframe count -1 is outside 0..250"},
        {header(250, 2, 252), "keyframe count 251"},
        // A header one frame short reads every table out of step.
        {header(249, 2, 2), "it has 20006 bytes, not the 19926 of the 249-frame move its header names"},
        {longer, "it has 120006 bytes, not the 20006 of the 250-frame move"},
        {keyframes(3, kfframe_a2, 0), "keyframe 2 of axis A is on frame 0, outside 1..250"},
        {keyframes(3, kfframe_a2, 20), "keyframe 2 of axis A is on frame 20, not after keyframe 1 on frame 20"},
        {keyframes(2, kfframe_c1, 251), "keyframe 1 of axis C is on frame 251, outside 1..250"},
        {position(3e12), "frame 3 of axis A holds 3000000000000, beyond the 32-bit range"},
        {position(-INFINITY), "frame 3 of axis A holds no number"},
        {position(NAN), "frame 3 of axis A holds no number"},
    };
    for (const auto& [bytes, reason] : cases) {
        test_support::write_bytes(s.moves() / "bad", bytes);
        s.load("bad");
        EXPECT_NE(s.status().find(reason), std::string::npos) << s.status();
        EXPECT_NE(s.status().find((s.moves() / "bad").string()), std::string::npos);
        EXPECT_TRUE(snapshot(s) == before) << reason;
    }

    // The edges that are still valid: no keyframes, every row a keyframe from
    // frame 1 to the last, positions at the ends of the 32-bit range.
    EXPECT_TRUE(decode_move(header(250, 2, 1)).ok());
    MoveModel full;
    full.totalframes = 250;
    full.create_tables(250);
    full.nextkf = 251;
    for (int a = 0; a < move_axes; ++a)
        for (int k = 1; k <= 250; ++k) full.frame_of(a, k) = k;
    full.movepos.at(1, 0) = -2147483648.0;
    full.movepos.at(250, 4) = 2147483647.0;
    EXPECT_TRUE(decode_move(encode_move(full)).ok());
}

// Nothing is saved that the reader would refuse: two keyframes on one frame.
TEST(MoveFile, SaveRefusesAMoveTheReaderWouldRefuseAndKeepsTheFile) {
    Started s;
    s.set_length(50);
    s.save_as("m");
    s.put_keyframe(10, 0);
    s.put_keyframe(10, 5);
    s.save_as("m");
    EXPECT_NE(s.status().find("keyframe 2 of axis A is on frame 10, not after keyframe 1 on frame 10"),
              std::string::npos) << s.status();
    EXPECT_NE(s.status().find("Save Move failed"), std::string::npos);
    EXPECT_EQ(s.file("m").size(), 4006u);
    EXPECT_EQ(test_support::le16(s.file("m"), 4), 1);
}

TEST(MoveFile, NamesAndFoldersThatCannotBeUsedAreRefused) {
    Started s;
    s.save_as("");
    EXPECT_EQ(s.status(), files_msg::no_name("Save Move"));
    s.save_as("../escape");
    EXPECT_EQ(s.status(), files_msg::bad_name("Save Move", "../escape"));
    s.load("not-there");
    EXPECT_NE(s.status().find("not loaded"), std::string::npos);
    // A pipe in the folder would block a plain read for ever.
    ASSERT_EQ(::mkfifo((s.moves() / "pipe").c_str(), 0600), 0);
    s.load("pipe");
    EXPECT_NE(s.status().find("it is not a regular file"), std::string::npos) << s.status();
    std::filesystem::remove_all(s.moves());
    s.save_as("m");
    EXPECT_EQ(s.status(), files_msg::no_folder("Save Move", s.moves().string()));
    EXPECT_FALSE(std::filesystem::exists(s.moves()));
}

// A save killed half-way leaves the old file and no temporary one; start-up
// clears away only temporary files older than an hour.
TEST(MoveFile, AnInterruptedSaveLeavesTheOldFileAndStartUpClearsOldTemporaryFiles) {
    Started s;
    s.set_length(100);
    s.save_as("keep");
    const Bytes old = s.file("keep");
    s.set_length(1500);
    // The disk fills up part way: writes beyond 4096 bytes fail.
    rlimit saved{}, small{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    small = {4096, saved.rlim_max};
    auto* old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    s.save_as("keep");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_NE(s.status().find("Save Move failed"), std::string::npos) << s.status();
    EXPECT_EQ(s.file("keep"), old);
    const std::filesystem::directory_iterator files(s.moves());
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);

    namespace fs = std::filesystem;
    const auto two_hours_ago = fs::file_time_type::clock::now() - std::chrono::hours(2);
    Started later([&](const fs::path& d) {
        fs::create_directories(d / "moves");
        for (const char* name : {".pan.tmp-Ab12Cd", ".new.tmp-Ef34Gh", "old", ".hidden", "tilt.tmp-Ij56Kl"}) {
            test_support::write_bytes(d / "moves" / name, Bytes{1});
            if (std::string(name) != ".new.tmp-Ef34Gh") fs::last_write_time(d / "moves" / name, two_hours_ago);
        }
    });
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(later.moves())) left.insert(e.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{".new.tmp-Ef34Gh", "old", ".hidden", "tilt.tmp-Ij56Kl"}));
}
