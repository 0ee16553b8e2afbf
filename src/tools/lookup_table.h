// The developer lookup table: 1023 sixteen-bit steps, written as a binary file
// of one-character variant records and as a listing of ".byte" lines.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrova {

inline constexpr int step_entries = 1023;
inline constexpr std::size_t lookup_byte_count = 4 + 2 * step_entries;  // 2050
inline constexpr std::size_t lookup_record_size = 5;

// steptable(i) = Int(65536 - 55296 / i) for i = 1..1023, at index i - 1.
std::array<std::int32_t, step_entries> step_table();

// The header 0, 0, 128, 0 then each entry's high and low byte.
std::vector<std::uint8_t> lookup_bytes();

// "lookup.bin": each byte as a 5-byte record 08 00 01 00 <byte>.
std::vector<std::uint8_t> lookup_bin(const std::vector<std::uint8_t>& bytes);

// "lookup.txt": four header lines ".byte N", then one " .byte  N" line per
// byte, padded or cut to 11 characters; CR LF line ends.
std::string lookup_listing(const std::vector<std::uint8_t>& bytes);

}  // namespace kestrova
