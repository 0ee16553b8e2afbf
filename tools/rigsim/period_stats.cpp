#include "period_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rigsim {

namespace {
double percentile(std::vector<double> sorted, double p) {
    if (sorted.empty()) return 0;
    const auto i = static_cast<std::size_t>(std::ceil(p * static_cast<double>(sorted.size()))) - 1;
    return sorted[std::min(i, sorted.size() - 1)];
}
}  // namespace

PeriodStats period_stats(const std::vector<double>& t, double nominal) {
    PeriodStats s;
    s.messages = t.size();
    if (t.size() < 2) return s;
    const double n = static_cast<double>(t.size() - 1);
    s.mean_period_ms = (t.back() - t.front()) / n;
    s.drift_ms = t.back() - (t.front() + n * nominal);
    std::vector<double> dev;
    for (std::size_t i = 1; i < t.size(); ++i) dev.push_back(std::fabs(t[i] - t[i - 1] - nominal));
    std::sort(dev.begin(), dev.end());
    s.p50_dev_ms = percentile(dev, 0.50);
    s.p99_dev_ms = percentile(dev, 0.99);
    s.max_dev_ms = dev.back();
    return s;
}

std::string describe(const PeriodStats& s, double nominal) {
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "messages: %zu\n"
                  "mean period: %.4f ms (%+.4f %% against %.0f ms)\n"
                  "deviation from %.0f ms: p50 %.3f ms, p99 %.3f ms, max %.3f ms\n"
                  "drift of the last message against start + n x %.0f ms: %+.3f ms\n",
                  s.messages, s.mean_period_ms, s.messages > 1 ? (s.mean_period_ms / nominal - 1) * 100 : 0.0, nominal,
                  nominal, s.p50_dev_ms, s.p99_dev_ms, s.max_dev_ms, nominal, s.drift_ms);
    return buf;
}

}  // namespace rigsim
