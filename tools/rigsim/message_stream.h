// The rig's reading of the byte stream: long (25-byte) and short (5-byte)
// messages in any mix. The form is read from the bytes themselves, message by
// message, so a change of form, a restarted program or stray bytes never
// leave the rig stuck in one form.
#pragma once

#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "link/wire_message.h"

namespace rigsim {

// Bytes that start no readable message, in the order they arrived.
struct Skipped {
    std::vector<std::uint8_t> bytes;
};

using StreamItem = std::variant<kestrova::Decoded, Skipped>;

class MessageStream {
public:
    // The messages and skipped runs that the bytes complete, in order. Bytes
    // that may still be the start of a message wait for the next call.
    std::vector<StreamItem> feed(std::span<const std::uint8_t> bytes);

private:
    enum class Step { take_long, take_short, skip, wait };
    Step next(std::size_t at) const;

    std::vector<std::uint8_t> pending_;
    bool last_long_ = false;  // the form of the last message read
};

}  // namespace rigsim
