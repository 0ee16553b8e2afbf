// Timing of the messages the rig received: how evenly they came.
#pragma once

#include <string>
#include <vector>

namespace rigsim {

struct PeriodStats {
    std::size_t messages = 0;
    double mean_period_ms = 0;
    double p50_dev_ms = 0, p99_dev_ms = 0, max_dev_ms = 0;  // |period - nominal|
    double drift_ms = 0;  // last arrival against first + (n - 1) x nominal
};

// Arrival times in milliseconds, in order.
PeriodStats period_stats(const std::vector<double>& arrivals_ms, double nominal_ms);
std::string describe(const PeriodStats& s, double nominal_ms);

}  // namespace rigsim
