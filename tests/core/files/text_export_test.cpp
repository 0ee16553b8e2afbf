#include <gtest/gtest.h>

#include "files/messages.h"
#include "files/move_codec.h"
#include "files/text_export.h"
#include "base/numeric.h"
#include "started_app.h"
#include "axes/controls.h"

using namespace kestrova;
using Started = test_support::StartedApp;

namespace {
std::string as_text(const Bytes& b) { return std::string(b.begin(), b.end()); }
std::string blanks(std::size_t n) { return std::string(n, ' '); }
}  // namespace

TEST(TextExport, NeedsANameHeaderTrimsTheNamesTheWorkedLineSitsOnItsColumnsAndAnOverrunMovesTheNextToANewLine) {
    Started s;
    s.app.press(ctl::export_menu);
    EXPECT_EQ(s.status(), files_msg::no_name("Export Ascii"));
    s.app.type(ctl::axis_name_boxes[2], "  Track  ");
    s.set_length(2);
    s.move().movepos.at(1, 0) = 12.5;
    s.move().movepos.at(1, 1) = 13.5;
    s.move().movepos.at(1, 2) = 0.4;
    s.move().movepos.at(1, 3) = 1000;
    s.move().movepos.at(1, 4) = -250;
    s.files().selected = "pan1";
    s.app.press(ctl::export_menu);
    const std::string text = as_text(s.file("pan1.asc"));
    const std::string line1 = blanks(6) + "12 " + blanks(8) + " 14 " + blanks(8) + " 0 " + blanks(9) + " 1000 " +
                              blanks(6) + "-250 ";
    const std::string line2 = blanks(6) + "0 " + blanks(9) + " 0 " + blanks(9) + " 0 " + blanks(9) + " 0 " +
                              blanks(9) + " 0 ";
    EXPECT_EQ(text, "Axes = , Tilt, Track, Focus, Lens2\r\n" + line1 + "\r\n" + line2 + "\r\n");
    EXPECT_EQ(s.status(), files_msg::exported((s.moves() / "pan1.asc").string()));

    // Ten digits still fit before column 18; eleven do not.
    EXPECT_EQ(export_line({1234567890, 1, 0, 0, 0}).find("\r\n"), std::string::npos);
    const std::string wrapped = export_line({12345678901.0, 1, 0, 0, 0});
    EXPECT_EQ(wrapped.substr(0, 6 + 12 + 2), blanks(6) + "12345678901 \r\n");
    EXPECT_EQ(wrapped.substr(20, 17 + 3), blanks(17) + " 1 ");
    EXPECT_EQ(export_line({-2.5, -3.5, 2.5, 0, 0}).substr(0, 20), blanks(6) + "-2 " + blanks(8) + "-4 ");

    s.save_as("typed");  // without a chosen name the move's own
    s.files().selected.clear();
    s.app.press(ctl::export_menu);
    EXPECT_TRUE(std::filesystem::exists(s.moves() / "typed.asc"));
}

TEST(ImportAscii, ReadsAnExportBackAsAMoveWithoutKeyframesAndRefusesMalformedTextWithItsLine) {
    Started s;
    s.files().selected = "round";
    s.set_length(40);
    s.add_keyframe(30, {300, -60, 90, 1200, 7});
    s.move().movepos.at(5, 1) = 2.5;
    const MoveModel exported = s.move();
    s.app.press(ctl::export_menu);
    s.set_length(7);
    s.add_keyframe(3, {1, 1, 1, 1, 1});
    s.app.press(ctl::import_menu);
    EXPECT_EQ(s.text(ctl::total_frames_box), "40");  // the boxes show the move
    EXPECT_EQ(s.text(ctl::keyframe_count_box), "0");
    for (int f = 1; f <= 40; ++f)
        for (int a = 0; a < 5; ++a)
            ASSERT_EQ(s.move().movepos.at(f, a), num::round_half_even(exported.movepos.at(f, a))) << f << " " << a;

    // A refused file changes nothing.
    s.add_keyframe(6, {5, 5, 5, 5, 5});
    const Bytes before = encode_move(s.move());
    std::ofstream(s.moves() / "bad.asc") << "Axes = \r\n1 2 3\r\n";
    s.files().selected = "bad";
    s.app.press(ctl::import_menu);
    EXPECT_NE(s.status().find("Import Ascii refused"), std::string::npos);
    EXPECT_EQ(encode_move(s.move()), before);

    // Malformed text is refused with its line.
    const std::string head = "Axes = a, b, c, d, e\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"Axis = \r\n1 2 3 4 5\r\n", "line 1"},
        {head, "holds no frame"},
        {head + "1 2 3 4 5\r\n1 2 x 4 5\r\n", "line 3: expected a whole number"},
        {head + "1 2 3 4 5 6\r\n", "line 2: more than five values"},
        {head + "1 2 3 4\r\n", "fewer than five"},
        {head + "1 2 3 4 5\r\n\r\n1 2 3 4 5\r\n", "line 3: the line is empty"},
        {head + "1 2 3.5 4 5\r\n", "expected a whole number"},
    };
    for (const auto& [text, reason] : cases) {
        const Result<FrameTable> p = parse_export(text);
        EXPECT_FALSE(p.ok()) << text;
        EXPECT_NE(p.error().find(reason), std::string::npos) << p.error();
    }
    // A wrapped line and bare LF line ends are read.
    EXPECT_FALSE(parse_export(head + "12345678901 \r\n 1 2 3 4\n5 6 7 8 9").ok());  // eleven digits pass 32 bits
    const Result<FrameTable> wrapped = parse_export(head + "      -7 \r\n                  1 2 3 4\n5 6 7 8 9");
    ASSERT_TRUE(wrapped.ok());
    EXPECT_EQ(wrapped->rows(), 2);
    EXPECT_EQ(wrapped->at(1, 0), -7);
    EXPECT_EQ(wrapped->at(2, 4), 9);
}
