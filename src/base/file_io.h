// Whole-file reading and crash-safe writing. A write goes to a temporary file
// in the same folder, which is then renamed over the target, so a failure
// (missing folder, no permission, disk full) leaves the old file as it was.
// The temporary file has a hidden name (".<name>.tmp-XXXXXX"): file lists do
// not show it, and a write killed half-way leaves only such a file behind.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
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

// A file's size and last modification: two looks that differ mean it changed
// in between.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    bool operator==(const FileStamp&) const = default;
};
Result<FileStamp> file_stamp(const std::filesystem::path& path);

// Replace the file by `bytes`; on failure the reason.
Result<> write_file_atomically(const std::filesystem::path& path, const Bytes& bytes);

// As above, but an existing longer file keeps its bytes beyond the new content.
Result<> write_file_keeping_tail(const std::filesystem::path& path, Bytes bytes);

// Whether a file name is that of a write's temporary file.
bool is_temporary_name(std::string_view name);

// The file in the working folder that keeps a second program off it.
inline constexpr std::string_view working_folder_lock = ".kestrova.lock";

// Whether a name belongs to the program's own files: a write's temporary file,
// or the working folder's lock (and the lock's helper files). A move saved
// under such a name would be hidden, removed at a later start, or break the lock.
bool is_program_file_name(std::string_view name);

// A temporary file older than this belongs to no write still running.
inline constexpr std::chrono::hours stale_temporary_age{1};

// Remove the temporary files in `folder` last written more than `age` ago
// (start-up: writes killed half-way). What cannot be listed or removed stays.
// Returns how many were removed.
std::size_t remove_stale_temporaries(const std::filesystem::path& folder,
                                     std::chrono::seconds age = stale_temporary_age);

}  // namespace kestrova
