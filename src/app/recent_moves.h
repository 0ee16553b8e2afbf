// The moves last loaded or saved, most recent first, for File > Recent moves.
// The window keeps the list between runs; `changed` tells it to.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <vector>

namespace kestrova {

class RecentMoves {
public:
    static constexpr std::size_t kept = 8;

    // `path` goes to the top; an older entry of it goes, the ninth drops off.
    void add(const std::filesystem::path& path);
    // The list as kept from an earlier run (without announcing a change).
    void restore(const std::vector<std::filesystem::path>& paths);
    const std::vector<std::filesystem::path>& list() const { return paths_; }

    std::function<void()> changed;

private:
    std::vector<std::filesystem::path> paths_;
};

}  // namespace kestrova
