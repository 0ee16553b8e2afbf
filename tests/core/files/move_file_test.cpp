#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include "files/messages.h"
#include "files/move_codec.h"
#include "started_app.h"

using namespace kestrova;
using Started = test_support::StartedApp;

namespace {

// Everything of the move that a load could change.
struct Snapshot {
    int totalframes, nextkf, rows;
    std::array<std::vector<std::int32_t>, move_axes> kfframe, kfpos;
    std::vector<double> movepos;
    std::string text2, count, list;
    explicit Snapshot(Started& s)
        : totalframes(s.move().totalframes), nextkf(s.move().nextkf), rows(s.move().rows()),
          kfframe(s.move().kfframe), kfpos(s.move().kfpos), text2(s.text("Text2")),
          count(s.text("keyframes")), list(s.text("Text4")) {
        for (int f = 1; f <= rows; ++f)
            for (int a = 0; a < move_axes; ++a) movepos.push_back(s.move().movepos.at(f, a));
    }
    bool operator==(const Snapshot&) const = default;
};

double movepos_in_file(const Bytes& b, int rows, int frame, int axis) {
    double v;
    std::memcpy(&v, b.data() + 6 + 40 * static_cast<std::size_t>(rows) +
                        8 * (static_cast<std::size_t>(axis) * static_cast<std::size_t>(rows) + static_cast<std::size_t>(frame - 1)),
                sizeof v);
    return v;
}

}  // namespace

TEST(MoveFile, StartUpMoveIs120006BytesOfLengthTagCountThenZeros) {
    Started s;
    s.save_as("start");  // the moves folder is created at start-up
    const Bytes b = s.file("start");
    ASSERT_EQ(b.size(), 120006u);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 6), (Bytes{0xDC, 0x05, 0x02, 0x00, 0x01, 0x00}));
    EXPECT_TRUE(std::all_of(b.begin() + 6, b.end(), [](std::uint8_t x) { return x == 0; }));
}

TEST(MoveFile, KeyframesAndMoveLandWhereTheLayoutSays) {
    Started s;
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
    const Snapshot shaped(s);
    s.save_as("curve");
    s.set_length(1000);
    s.add_keyframe(10, {5, 5, 5, 5, 5});
    s.load("curve");
    EXPECT_TRUE(Snapshot(s) == shaped);
    EXPECT_EQ(s.text("Text4"), "1\r\n200\r\n");
    s.app.press("recal");
    EXPECT_NEAR(s.move().movepos.at(100, 0), 500.0, 5.0);  // a straight line again, not the curve's 250
}

TEST(MoveFile, ShorterMoveReplacesALongerFileAndALongerFileStillLoads) {
    Started s;
    s.save_as("m");
    s.set_length(250);
    s.add_keyframe(20, {1, 2, 3, 4, 5});
    s.save_as("m");
    EXPECT_EQ(s.file("m").size(), 20006u);
    Bytes longer = s.file("m");
    longer.resize(120006, 0xEE);
    test_support::write_bytes(s.moves() / "m", longer);
    s.set_length(30);
    s.load("m");
    EXPECT_EQ(s.move().rows(), 250);
    EXPECT_EQ(s.move().kfpos[4][0], 5);
}

TEST(MoveFile, DamagedFilesAreRefusedWithTheReasonAndTheMoveStaysAsItWas) {
    Started s;
    s.set_length(250);
    s.add_keyframe(20, {1, 2, 3, 4, 5});
    s.save_as("good");
    const Bytes good = s.file("good");
    s.set_length(300);
    s.add_keyframe(40, {9, 9, 9, 9, 9});
    const Snapshot before(s);

    auto patched = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
        Bytes b = good;
        std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
        return b;
    };
    Bytes truncated(good.begin(), good.end() - 1);
    Bytes nan = good;
    std::memset(nan.data() + 6 + 40 * 250 + 8 * 7, 0xFF, 8);
    const std::pair<Bytes, std::string> cases[] = {
        {truncated, "fewer than the 20006 of a 250-frame move"},
        {Bytes{0xFA, 0x00}, "too few"},
        {patched(0, {0x00, 0x00}), "move length 0 is outside 1..32766"},
        {patched(0, {0xFF, 0x7F}), "move length 32767"},
        {patched(0, {0xFF, 0xFF}), "move length -1"},
        {patched(2, {0x03, 0x00}), "type tag 3"},
        {patched(4, {0x00, 0x00}), "keyframe count -1 is outside 0..250"},
        {patched(4, {0xFC, 0x00}), "keyframe count 251"},
        {nan, "frame 8 of axis A holds no number"},
    };
    for (const auto& [bytes, reason] : cases) {
        test_support::write_bytes(s.moves() / "bad", bytes);
        s.load("bad");
        EXPECT_NE(s.status().find(reason), std::string::npos) << s.status();
        EXPECT_NE(s.status().find((s.moves() / "bad").string()), std::string::npos);
        EXPECT_TRUE(Snapshot(s) == before) << reason;
    }
    // The edges that are still valid: no keyframes, and every row a keyframe.
    EXPECT_TRUE(decode_move(patched(4, {0x01, 0x00})).ok());
    EXPECT_TRUE(decode_move(patched(4, {0xFB, 0x00})).ok());
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

TEST(MoveFile, AnInterruptedSaveLeavesTheOldFileIntact) {
    Started s;
    s.set_length(100);
    s.save_as("keep");
    const Bytes old = s.file("keep");
    s.set_length(1500);
    // The disk fills up part way: writes beyond 4096 bytes fail.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    s.save_as("keep");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_NE(s.status().find("Save Move failed"), std::string::npos) << s.status();
    EXPECT_EQ(s.file("keep"), old);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(s.moves())) ++entries;
    EXPECT_EQ(entries, 1u);  // no temporary file left behind
}
