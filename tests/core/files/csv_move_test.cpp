#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <random>
#include <tuple>

#include "base/file_io.h"
#include "files/csv_file.h"
#include "files/csv_move.h"
#include "files/csv_texts.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

FrameTable random_table(int frames, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> pos(-2e9, 2e9);
    FrameTable t;
    t.create(frames);
    for (int f = 1; f <= frames; ++f)
        for (int a = 0; a < move_axes; ++a) t.at(f, a) = (f % 7 == 0) ? std::floor(pos(rng)) : pos(rng) / 3;
    return t;
}

const std::array<std::string, move_axes> names{"Pan", "", "Track, long", "Focus \"f\"", "Lens2"};

std::string error_of(std::string_view text) {
    const auto r = parse_csv(text);
    return r.ok() ? "accepted" : r.error();
}

}  // namespace

TEST(CsvMove, ExportThenImportGivesBackEveryDoubleExactlyAndTheHeaderNamesTheAxes) {
    for (int frames : {1, 250, max_frames}) {
        const FrameTable t = random_table(frames, static_cast<unsigned>(frames));
        const std::string text = export_csv(t, frames, names);
        const auto back = parse_csv(text);
        ASSERT_TRUE(back.ok()) << back.error();
        ASSERT_EQ(back->rows(), frames);
        for (int f = 1; f <= frames; ++f)
            for (int a = 0; a < move_axes; ++a) ASSERT_EQ(back->at(f, a), t.at(f, a)) << f << "," << a;
    }

    // The header names the axes; each row carries its frame.
    FrameTable t;
    t.create(2);
    t.at(2, 0) = 0.1;
    t.at(2, 4) = -1500;
    EXPECT_EQ(export_csv(t, 2, names),
              "frame,Pan,B,\"Track, long\",\"Focus \"\"f\"\"\",Lens2\n1,0,0,0,0,0\n2,0.1,0,0,0,-1500\n");
}

TEST(CsvMove, SemicolonFilesTakeACommaAsTheDecimalMarkAndMalformedFilesAreRefusedNamingTheLine) {
    // Semicolon files; a byte-order mark in front and blank lines at the end
    // are what spreadsheets write.
    const std::string semicolons = "frame;A;B;C;D;E\r\n1;1,5;2;3;4;5\r\n2; -0,25 ;0;0;0;+7";
    for (const std::string& text : {semicolons + "\r\n", "\xEF\xBB\xBF" + semicolons, semicolons + "\n\n \n",
                                     semicolons + "\r\n\r\n\r\n"}) {
        const auto r = parse_csv(text);
        ASSERT_TRUE(r.ok()) << r.error();
        EXPECT_EQ(r->rows(), 2);
        EXPECT_EQ(r->at(1, 0), 1.5);
        EXPECT_EQ(r->at(2, 0), -0.25);
        EXPECT_EQ(r->at(2, 4), 7);
    }

    // Malformed files are refused naming the line.
    using namespace csv_text;
    EXPECT_EQ(error_of("1,0,0,0,0,0\n"), at_line(1, no_header));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n1,0,0,0,0\n"), at_line(2, columns));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n1,0,0,0,0,0\n2,0,x,0,0,0\n"), at_line(3, not_a_number));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n1,0,0,0,0,nan\n"), at_line(2, not_a_number));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n1,0,0,0,0,3e9\n"), at_line(2, out_of_range));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n1,0,0,0,0,0\n3,0,0,0,0,0\n"), at_line(3, out_of_order));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n2,0,0,0,0,0\n"), at_line(2, out_of_order));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n"), at_line(2, no_rows));
    EXPECT_EQ(error_of("\xEF\xBB\xBF" "frame,A,B,C,D,E\r\n\r\n\r\n"), at_line(2, no_rows));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n1,0,0,0,0,0\n\n2,0,0,0,0,0\n"), at_line(3, columns));  // blank only at the end
    EXPECT_EQ(error_of("\xEF\xBB\xBF\xEF\xBB\xBF" "frame,A,B,C,D,E\n1,0,0,0,0,0\n"), at_line(1, no_header));
    EXPECT_EQ(error_of("frame,A,B,C,D,E\n1,0,0,0,0,0\n" + std::string(10u << 20, '1') + "\n"), at_line(3, too_long));

    std::string many = "frame,A,B,C,D,E\n";
    for (int f = 1; f <= max_frames + 1; ++f) many += std::to_string(f) + ",0,0,0,0,0\n";
    EXPECT_EQ(error_of(many), at_line(static_cast<std::size_t>(max_frames) + 2, too_many));
}

TEST(CsvMove, AFileThatChangesWhileItIsReadIsRefused) {
    const test_support::TempDir dir;
    const auto path = dir.path() / "move.csv";
    const std::string text = "frame,A,B,C,D,E\n1,0,0,0,0,0\n2,5,0,0,0,0\n";
    const auto later = [&] { return std::filesystem::last_write_time(path) + std::chrono::seconds(1); };
    const std::tuple<const char*, std::function<void()>, std::string> cases[] = {
        {"unchanged", [] {}, "accepted"},
        {"grows", [&] { std::ofstream(path, std::ios::app) << "3,0,0,0,0,0\n"; }, csv_text::changed},
        {"shrinks", [&] { std::filesystem::resize_file(path, 16); }, csv_text::changed},
        {"rewritten at the same size", [&] { std::filesystem::last_write_time(path, later()); }, csv_text::changed},
        {"removed", [&] { std::filesystem::remove(path); }, csv_text::changed},
    };
    for (const auto& [what, change, want] : cases) {
        ASSERT_TRUE(write_file_atomically(path, Bytes(text.begin(), text.end())));
        const auto r = read_csv_file(path, change);
        EXPECT_EQ(r.ok() ? "accepted" : r.error(), want) << what;
    }
}
