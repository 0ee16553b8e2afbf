// The controller's byte format: position, reset and frame messages in the long
// (25-byte) and short (5-byte) forms, and the decoding the rig simulator uses.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "base/result.h"
#include "move/move_model.h"

namespace kestrova {

inline constexpr std::uint8_t lead_position = 0x07;
inline constexpr std::uint8_t lead_reset = 0x15;
inline constexpr std::uint8_t lead_frame = 0x0E;
inline constexpr std::uint8_t incontrol_marker = 0xA5;
inline constexpr std::uint8_t sound_sync_marker = 0x96;
inline constexpr std::size_t long_size = 25;
inline constexpr std::size_t short_size = 5;
inline constexpr std::size_t receive_backlog_limit = 1000;

// One assembled message; only the first `size` bytes are sent.
struct Message {
    std::array<std::uint8_t, long_size> bytes{};
    std::size_t size = 0;
    std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};

// The position field: the value as a 32-bit integer (halves to even), its low
// 24 bits big-endian. Nothing when the 32-bit conversion overflows.
std::optional<std::array<std::uint8_t, 3>> encode_position(double value);

// The incontrol byte of a frame message for the frame being played.
std::uint8_t incontrol_for_frame(std::int32_t playframe);

// Assemble one message: long form carries A..E, short form A and `incontrol`.
// Fails when a position carried cannot be encoded, naming its axis.
Result<Message> build_message(std::uint8_t lead, const std::array<double, move_axes>& pos, bool short_form,
                          std::uint8_t incontrol);

// A message as the rig sees it.
struct Decoded {
    std::uint8_t lead = 0;
    std::array<std::int32_t, move_axes> pos{};  // short form: only A
    std::uint8_t incontrol = 0;                 // short form only
    bool short_form = false;
};

// The 24-bit two's complement field back to a number.
std::int32_t decode_position(const std::uint8_t* field);
// One message of `size` (25 or 5) bytes; nothing when the lead byte is unknown
// or the long form's padding is not zero.
std::optional<Decoded> decode_message(std::span<const std::uint8_t> bytes);

}  // namespace kestrova
