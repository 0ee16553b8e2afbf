// An append-only text file that never grows beyond a size: when a line would
// take it past the limit, it becomes NAME.1 (NAME.1 becomes NAME.2, ...) and
// a fresh file starts. A failure to write is reported, never thrown; only a
// regular file is written (a pipe or a device under its name never blocks).
#pragma once

#include <filesystem>
#include <string_view>

#include "base/result.h"

namespace kestrova {

class RotatingFile {
public:
    explicit RotatingFile(std::filesystem::path path, std::uintmax_t max_bytes = 1u << 20, int kept_old = 3);

    Result<> append_line(std::string_view line);
    const std::filesystem::path& path() const { return path_; }

private:
    void rotate();

    std::filesystem::path path_;
    std::uintmax_t max_bytes_;
    int kept_old_;
};

}  // namespace kestrova
