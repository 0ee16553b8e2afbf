#include <gtest/gtest.h>

#include <cmath>

#include "link/messages.h"
#include "link/wire_message.h"

using namespace kestrova;

namespace {
std::vector<std::uint8_t> bytes(const Result<Message>& r) {
    EXPECT_TRUE(r.ok()) << r.error();
    if (!r) return {};
    auto v = r->view();
    return {v.begin(), v.end()};
}
}  // namespace

TEST(PositionField, TwentyFourBitBigEndianTwosComplementAndBack) {
    using F = std::array<std::uint8_t, 3>;
    const std::pair<double, F> fields[] = {
        {1000, {0x00, 0x03, 0xE8}}, {70000, {0x01, 0x11, 0x70}}, {-1, {0xFF, 0xFF, 0xFF}}, {-257, {0xFF, 0xFE, 0xFF}},
        // Halves go to the even neighbour.
        {2.5, {0, 0, 2}}, {3.5, {0, 0, 4}}, {-2.5, {0xFF, 0xFF, 0xFE}},
    };
    for (const auto& [v, field] : fields) EXPECT_EQ(encode_position(v), field) << v;
    // Beyond 32 bits nothing is encoded; NaN neither.
    for (double v : {2147483648.0, -2147483649.0, std::nan("")}) EXPECT_FALSE(encode_position(v)) << v;
    EXPECT_TRUE(encode_position(2147483647.0));
    for (std::int32_t v : {0, 1, -1, 8388607, -8388608, 1000, -257, 70000})
        EXPECT_EQ(decode_position(encode_position(v)->data()), v);
}

TEST(Message, ShortFormCarriesAxisAAndIncontrolAndAnUnencodablePositionIsRefused) {
    EXPECT_EQ(bytes(build_message(lead_frame, {1000, 5, 6, 7, 8}, true, 0xA5)),
              (std::vector<std::uint8_t>{0x0E, 0x00, 0x03, 0xE8, 0xA5}));
    EXPECT_EQ(bytes(build_message(lead_reset, {-1, 0, 0, 0, 0}, true, 0)),
              (std::vector<std::uint8_t>{0x15, 0xFF, 0xFF, 0xFF, 0x00}));

    // A position that cannot be encoded is refused, naming its axis.
    const auto r = build_message(lead_position, {0, 0, 3e9, 0, 0}, false, 0);
    EXPECT_EQ(r.error(), link_text::position_unencodable('C'));
    // The short form carries only A: E's value does not matter there.
    EXPECT_TRUE(build_message(lead_position, {0, 0, 0, 0, 3e9}, true, 0));
}

TEST(Message, DecodeRefusesUnknownLeadsSizesAndDirtyPadding) {
    std::vector<std::uint8_t> m(25, 0);
    m[0] = 0x07;
    EXPECT_TRUE(decode_message(m));
    m[20] = 1;
    EXPECT_FALSE(decode_message(m));
    m[20] = 0;
    m[0] = 0x08;
    EXPECT_FALSE(decode_message(m));
    EXPECT_FALSE(decode_message(std::vector<std::uint8_t>(7, 0x07)));
}
