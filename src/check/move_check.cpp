#include "check/move_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "check/messages.h"

namespace kestrova {

namespace {

inline constexpr const char* axis_letters = "ABCDE";

// Rounding noise of a calculated move must not read as a broken limit.
bool beyond(double value, double limit) { return value > limit + 1e-9 * std::max(1.0, limit); }

// Collects the frames of one axis into findings, a run of consecutive frames per finding.
class AxisFindings {
public:
    explicit AxisFindings(std::vector<CheckFinding>& out) : out_(out) {}

    void note(FindingKind kind, int frame, double worst, double limit) {
        const CheckFinding here{kind, frame, frame, worst, limit};
        int& open = open_[static_cast<std::size_t>(kind)];
        if (open >= 0) {
            CheckFinding& f = out_[static_cast<std::size_t>(open)];
            if (f.last == frame - 1) {
                f.last = frame;
                if (here.excess() > f.excess()) {
                    f.worst = worst;
                    f.limit = limit;
                }
                return;
            }
        }
        open = static_cast<int>(out_.size());
        out_.push_back(here);
    }

private:
    std::vector<CheckFinding>& out_;
    std::array<int, 3> open_{-1, -1, -1};
};

void check_axis(const MoveModel& m, int a, const AxisSettings& ax, int frames, double divider,
                std::vector<CheckFinding>& out) {
    const auto i = static_cast<std::size_t>(a);
    // The engine's clamp: a lower limit above the upper one leaves only the upper.
    const double lo = std::min(ax.min[i], ax.max[i]);
    const double hi = ax.max[i];
    const double speed = std::fabs(ax.mSpeed[i]);
    const double acc = std::fabs(ax.acc[i]);
    AxisFindings findings(out);

    double last_target = 0;
    double last_step = 0;  // the rig starts from rest
    for (int f = 1; f <= frames; ++f) {
        const double p = m.movepos.at(f, a);
        const double target = std::clamp(p, lo, hi);
        if (target != p) {
            const double limit = p > hi ? hi : lo;
            findings.note(FindingKind::position_limit, f, p, limit);
        }
        if (f > 1) {
            const double step = (target - last_target) / divider;
            if (beyond(std::fabs(step), speed))
                findings.note(FindingKind::speed, f, std::fabs(step), speed);
            double change = std::fabs(step - last_step);
            if (f == frames) change = std::max(change, std::fabs(step));  // and then it stops
            if (beyond(change, acc)) findings.note(FindingKind::acceleration, f, change, acc);
            last_step = step;
        }
        last_target = target;
    }
}

int rank(FindingKind k) { return k == FindingKind::position_limit ? 0 : k == FindingKind::speed ? 1 : 2; }

std::string describe(const CheckFinding& f, const std::string& name) {
    switch (f.kind) {
        case FindingKind::position_limit:
            return check_msg::position_limit(name, f.worst, f.limit, f.first, f.last);
        case FindingKind::speed:
            return check_msg::speed(name, f.ratio(), f.first, f.last);
        case FindingKind::acceleration:
            break;
    }
    return check_msg::acceleration(name, f.ratio(), f.first, f.last);
}

}  // namespace

double CheckFinding::ratio() const {
    return limit > 0 ? worst / limit : std::numeric_limits<double>::infinity();
}

double CheckFinding::excess() const {
    if (kind == FindingKind::position_limit) return std::fabs(worst - limit);
    return ratio();
}

bool MoveCheck::ok() const {
    return std::all_of(axes.begin(), axes.end(), [](const auto& list) { return list.empty(); });
}

bool MoveCheck::needs_confirmation() const {
    for (const auto& list : axes)
        for (const CheckFinding& f : list)
            if (f.kind != FindingKind::acceleration) return true;
    return false;
}

MoveCheck check_move(const MoveModel& move, const AxisSettings& axes, int divider) {
    MoveCheck result;
    const int frames = std::min(move.totalframes, move.rows());
    const double d = std::max(divider, 1);
    for (int a = 0; a < move_axes; ++a) check_axis(move, a, axes, frames, d, result.axes[static_cast<std::size_t>(a)]);
    return result;
}

std::string check_summary(const MoveCheck& check, const std::array<std::string, move_axes>& axis_names) {
    const CheckFinding* top = nullptr;
    int top_axis = 0;
    std::size_t count = 0;
    for (int a = 0; a < move_axes; ++a) {
        for (const CheckFinding& f : check.axes[static_cast<std::size_t>(a)]) {
            ++count;
            const bool better = !top || rank(f.kind) < rank(top->kind) ||
                                (rank(f.kind) == rank(top->kind) && f.excess() > top->excess());
            if (better) {
                top = &f;
                top_axis = a;
            }
        }
    }
    if (!top) return check_msg::ok;
    const std::string& given = axis_names[static_cast<std::size_t>(top_axis)];
    const std::string name = given.empty() ? std::string(1, axis_letters[top_axis]) : given;
    std::string line = describe(*top, name);
    if (count > 1) line += check_msg::more(count - 1);
    return line;
}

}  // namespace kestrova
