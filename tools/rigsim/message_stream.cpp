#include "message_stream.h"

#include <algorithm>

namespace rigsim {

using kestrova::long_size;
using kestrova::short_size;

namespace {

bool is_lead(std::uint8_t b) {
    return b == kestrova::lead_position || b == kestrova::lead_reset || b == kestrova::lead_frame;
}

constexpr std::size_t padding_at = 16;  // the long form's zero bytes start here

bool long_may_follow(const std::uint8_t* p, std::size_t have) {
    return have < long_size &&
           std::all_of(p + std::min(have, padding_at), p + have, [](std::uint8_t b) { return b == 0; });
}

// Whether messages can follow one another from `at` for `depth` more of them:
// the received bytes may end there or in a message still arriving.
bool chain_fits(std::span<const std::uint8_t> bytes, std::size_t at, int depth) {
    if (at == bytes.size()) return true;
    const std::uint8_t* p = bytes.data() + at;
    const std::size_t have = bytes.size() - at;
    if (!is_lead(p[0])) return false;
    if (depth == 0 || have < short_size) return true;
    if (have >= long_size && kestrova::decode_message({p, long_size}) && chain_fits(bytes, at + long_size, depth - 1))
        return true;
    return chain_fits(bytes, at + short_size, depth - 1) || long_may_follow(p, have);
}

// How far ahead a reading is checked: a few messages settle the rare bytes
// that read both ways.
constexpr int lookahead = 3;

}  // namespace

// Both forms start with the same lead bytes, so a reading counts only when
// further messages follow it, or the received bytes end after it (the program
// writes each message whole). The long form is tried first: its nine zero
// bytes can never hold the lead of a short message.
MessageStream::Step MessageStream::next(std::size_t at) const {
    const std::span<const std::uint8_t> bytes(pending_);
    const std::uint8_t* p = bytes.data() + at;
    const std::size_t have = bytes.size() - at;
    if (!is_lead(p[0])) return Step::skip;
    if (have >= long_size && kestrova::decode_message({p, long_size}) && chain_fits(bytes, at + long_size, lookahead))
        return Step::take_long;
    if (have > short_size && chain_fits(bytes, at + short_size, lookahead)) return Step::take_short;
    if (have < short_size) return Step::wait;
    // A long message still arriving: its padding so far is zero. Five bytes
    // alone are a short message unless long ones were coming.
    if (long_may_follow(p, have) && (have > short_size || last_long_)) return Step::wait;
    if (have == short_size) return Step::take_short;
    return Step::skip;  // no message ends cleanly here: a broken one or stray bytes
}

std::vector<StreamItem> MessageStream::feed(std::span<const std::uint8_t> bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    std::vector<StreamItem> out;
    std::size_t at = 0;
    for (bool waiting = false; at < pending_.size() && !waiting;) {
        const Step s = next(at);
        if (s == Step::wait) {
            waiting = true;
        } else if (s == Step::skip) {
            if (out.empty() || !std::holds_alternative<Skipped>(out.back())) out.emplace_back(Skipped{});
            std::get<Skipped>(out.back()).bytes.push_back(pending_[at]);
            ++at;
        } else {
            const std::size_t size = s == Step::take_long ? long_size : short_size;
            out.emplace_back(*kestrova::decode_message({pending_.data() + at, size}));
            last_long_ = s == Step::take_long;
            at += size;
        }
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(at));
    return out;
}

}  // namespace rigsim
