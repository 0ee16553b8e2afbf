#include "app/recent_moves.h"

#include <algorithm>

namespace kestrova {

void RecentMoves::add(const std::filesystem::path& path) {
    const std::filesystem::path p = path.lexically_normal();
    std::erase(paths_, p);
    paths_.insert(paths_.begin(), p);
    if (paths_.size() > kept) paths_.resize(kept);
    if (changed) changed();
}

void RecentMoves::restore(const std::vector<std::filesystem::path>& paths) {
    paths_.clear();
    for (const auto& p : paths) {
        if (paths_.size() == kept) break;
        const std::filesystem::path n = p.lexically_normal();
        if (!n.empty() && std::find(paths_.begin(), paths_.end(), n) == paths_.end()) paths_.push_back(n);
    }
}

}  // namespace kestrova
