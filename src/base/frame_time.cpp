#include "base/frame_time.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kestrova {

std::string frames_in_seconds(double frames) {
    // A whole frame is a whole number of hundredths (4): written without
    // printf, as this runs every step of a play.
    const double hundredths = frames * 100 / frames_per_second;
    if (hundredths == std::floor(hundredths) && hundredths >= 0 && hundredths < 1e15) {
        const auto h = static_cast<long long>(hundredths);
        char buf[32] = "= ";
        char* end = std::to_chars(buf + 2, buf + sizeof buf, h / 100).ptr;
        *end++ = '.';
        *end++ = static_cast<char>('0' + h % 100 / 10);
        *end++ = static_cast<char>('0' + h % 10);
        return std::string(buf, end) + " s";
    }
    char seconds[40];
    std::snprintf(seconds, sizeof seconds, "= %.2f s", frames / frames_per_second);
    return seconds;
}

}  // namespace kestrova
