// Whole-file reading and crash-safe writing. A write goes to a temporary file
// in the same folder, which is then renamed over the target, so a failure
// (missing folder, no permission, disk full) leaves the old file as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/result.h"

namespace kestrova {

using Bytes = std::vector<std::uint8_t>;

struct FileContent {
    Bytes bytes;
    bool truncated = false;  // the file is longer than the limit; `bytes` holds its start
};

inline constexpr std::size_t default_read_limit = 64u << 20;

// Read a regular file, at most `limit` bytes of it. Devices, pipes and folders
// are refused: reading them could block or never end. A missing file fails too.
Result<FileContent> read_file(const std::filesystem::path& path, std::size_t limit = default_read_limit);

// Replace the file by `bytes`; on failure the reason.
Result<> write_file_atomically(const std::filesystem::path& path, const Bytes& bytes);

// As above, but an existing longer file keeps its bytes beyond the new content.
Result<> write_file_keeping_tail(const std::filesystem::path& path, Bytes bytes);

}  // namespace kestrova
