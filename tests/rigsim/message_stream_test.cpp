#include <gtest/gtest.h>

#include <random>
#include <string>

#include "message_stream.h"

using namespace kestrova;
using rigsim::MessageStream;

namespace {

using Bytes = std::vector<std::uint8_t>;

// "L" or "S", the lead, then the positions carried (and the short form's incontrol).
std::string describe(const Decoded& d) {
    std::string s = (d.short_form ? "S" : "L") + std::to_string(d.lead);
    for (std::size_t a = 0; a < (d.short_form ? 1u : move_axes); ++a) s += " " + std::to_string(d.pos[a]);
    return d.short_form ? s + " i" + std::to_string(d.incontrol) : s;
}

Bytes message(std::uint8_t lead, const std::array<double, move_axes>& pos, bool short_form,
              std::uint8_t incontrol = 0) {
    const auto m = build_message(lead, pos, short_form, incontrol);
    const auto v = m->view();
    return {v.begin(), v.end()};
}

// Everything the rig reports for the chunks fed one after another.
std::vector<std::string> read(const std::vector<Bytes>& chunks) {
    MessageStream stream;
    std::vector<std::string> out;
    for (const Bytes& c : chunks)
        for (const auto& item : stream.feed(c)) {
            if (const auto* d = std::get_if<Decoded>(&item)) out.push_back(describe(*d));
            else out.push_back("skip " + std::to_string(std::get<rigsim::Skipped>(item).bytes.size()));
        }
    return out;
}

std::vector<std::string> expected(const std::vector<Bytes>& messages) {
    std::vector<std::string> out;
    for (const Bytes& m : messages) out.push_back(describe(*decode_message(m)));
    return out;
}

Bytes joined(const std::vector<Bytes>& chunks) {
    Bytes all;
    for (const Bytes& c : chunks) all.insert(all.end(), c.begin(), c.end());
    return all;
}

// Positions a rig sends: unused axes at zero, fields holding lead bytes.
const std::array<double, move_axes> idle{1000, -1, 0, 70000, -256};
const std::array<double, move_axes> three_axes{0x070000, 0x0E0E0E, 7, 0, 0};
const std::array<double, move_axes> leads_in_e{0, 0, 0, 0, 0x15};

}  // namespace

TEST(Simulator, FollowsEveryChangeOfFormMessageByMessageAndInABacklog) {
    const Bytes L1 = message(lead_position, idle, false), L2 = message(lead_frame, three_axes, false),
                L3 = message(lead_reset, leads_in_e, false), S1 = message(lead_frame, three_axes, true, 0xA5),
                S2 = message(lead_position, idle, true), S3 = message(lead_reset, leads_in_e, true);
    const std::vector<std::vector<Bytes>> sequences = {
        {L1, L1, S1, S2, L2, L3, L1},      // Large, Small, Large: the long form is read again
        {S1, S2, S3, L1, L2},              // started in the short form, then restarted long
        {L2, L2, S3, S3, S1, L3, L2},      // zero axes and lead bytes inside the positions
    };
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        EXPECT_EQ(read(sequences[i]), expected(sequences[i])) << "one message per read, sequence " << i;
        EXPECT_EQ(read({joined(sequences[i])}), expected(sequences[i])) << "all in one read, sequence " << i;
    }

    // Any mix of forms, leads and positions, message by message and all at once.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pos(-8388608, 8388607), pick(0, 5);
    std::vector<Bytes> mix;
    for (int n = 0; n < 400; ++n) {
        const int k = pick(rng);
        const std::array<double, move_axes> p{double(pos(rng)), double(pos(rng)), k < 2 ? 0.0 : pos(rng), 0, 0};
        const std::uint8_t lead = std::array{lead_position, lead_reset, lead_frame}[k % 3];
        mix.push_back(message(lead, p, k % 2 == 0, k < 3 ? 0xA5 : 0));
    }
    mix.push_back(L1);  // a short message after a long one waits for the next bytes
    EXPECT_EQ(read(mix), expected(mix));
    EXPECT_EQ(read({joined(mix)}), expected(mix));
}

TEST(Simulator, ReadsMessagesOfEitherFormAgainAfterStrayBytesOrABrokenMessage) {
    const Bytes L = message(lead_position, idle, false), S = message(lead_frame, idle, true, 0xA5),
                Z = message(lead_frame, leads_in_e, false);
    const Bytes cut_long(L.begin(), L.begin() + 12), cut_short(S.begin(), S.begin() + 3);
    struct Case {
        const char* what;
        Bytes stray;
    };
    const Case cases[] = {
        {"zeros", {0, 0, 0}},         {"a sync marker echoed", {sound_sync_marker}},
        {"a lone lead byte", {0x0E}}, {"a long message cut off", cut_long},
        {"a short one cut off", cut_short}, {"a long one's padding", Bytes(9, 0)},
    };
    for (const Case& c : cases)
        for (const Bytes& before : {L, S, Z})
            for (const Bytes& after : {L, S, Z}) {
                // The stray bytes arrive on their own, then messages of either form.
                const std::vector<Bytes> chunks = {before, c.stray, after, S, L, Z};
                std::vector<std::string> want = expected({before});
                want.push_back("skip " + std::to_string(c.stray.size()));
                for (const auto& m : expected({after, S, L, Z})) want.push_back(m);
                EXPECT_EQ(read(chunks), want) << c.what;

                // Arriving together with the message before them, that one may go
                // with them, but everything after is read.
                const auto together = read({joined({before, c.stray}), after, S, L, Z});
                ASSERT_GE(together.size(), 4u) << c.what;
                EXPECT_EQ(std::vector(together.end() - 4, together.end()), expected({after, S, L, Z})) << c.what;
            }
}
