#include "move/move_history.h"

#include <array>
#include <bit>
#include <utility>
#include <vector>

#include "move/history_messages.h"

namespace kestrova {

namespace history_detail {

struct Run {
    std::uint32_t first;
    std::uint32_t count;
};

// Runs of cells of one column with the values the other side of the step holds.
template <class T>
struct Cells {
    std::vector<Run> runs;
    std::vector<T> values;
    bool empty() const { return runs.empty(); }
    std::size_t bytes() const { return runs.capacity() * sizeof(Run) + values.capacity() * sizeof(T); }
};

// One per-row array: a keyframe column, a Bezier column or a correction column.
// rows_here is the length the model has now, rows_there the one to restore.
template <class T>
struct ArrayChange {
    int unit;
    std::size_t rows_here;
    std::size_t rows_there;
    Cells<T> cells;
};

// One per-frame table (movepos, smoothpos, graphpos), column by column.
struct TableChange {
    int unit;
    int rows_here;
    int rows_there;
    std::array<Cells<double>, move_axes> columns;
};

struct Step {
    std::string label;
    int totalframes_here = 0, totalframes_there = 0;
    int nextkf_here = 0, nextkf_there = 0;
    std::vector<ArrayChange<std::int32_t>> keyframes;  // units 0..4 kfframe, 5..9 kfpos
    std::vector<ArrayChange<double>> bezier;           // units 0..4 bzframe, 5..9 bzpos
    std::vector<ArrayChange<double>> corrections;      // units 0..4, never resized
    std::vector<TableChange> tables;                   // units 0 movepos, 1 smoothpos, 2 graphpos
    std::optional<MoveName> name;                      // the other side's, when the step renamed the move
    std::size_t bytes = 0;
};

}  // namespace history_detail

namespace {

using namespace history_detail;

// Cells compare by their bits, so that a restored move is byte for byte the old one
// (0.0 and -0.0 differ, a NaN equals itself).
bool same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }
bool same(std::int32_t a, std::int32_t b) { return a == b; }
template <class T>
bool is_zero(T x) { return same(x, T{}); }

// The runs of cells in [0, n) where `differs` holds, holding get(i). A gap of one
// cell is bridged: storing the cell costs no more than starting a new run.
template <class T, class Differs, class Get>
Cells<T> collect(std::size_t n, Differs differs, Get get) {
    Cells<T> c;
    std::size_t total = 0;
    for (std::size_t i = 0; i < n;) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < n) {
            if (differs(end))
                ++end;
            else if (end + 1 < n && differs(end + 1))
                end += 2;
            else
                break;
        }
        c.runs.push_back({static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(end - i)});
        total += end - i;
        i = end;
    }
    c.runs.shrink_to_fit();
    c.values.reserve(total);
    for (const Run& r : c.runs)
        for (std::size_t j = r.first; j < r.first + r.count; ++j) c.values.push_back(get(j));
    return c;
}

template <class T, class Ref>
void swap_cells(Cells<T>& c, Ref ref) {
    std::size_t k = 0;
    for (const Run& r : c.runs)
        for (std::size_t j = r.first; j < r.first + r.count; ++j) std::swap(ref(j), c.values[k++]);
}

template <class T, class Ref>
void write_cells(const Cells<T>& c, Ref ref) {
    std::size_t k = 0;
    for (const Run& r : c.runs)
        for (std::size_t j = r.first; j < r.first + r.count; ++j) ref(j) = c.values[k++];
}

// ---- per-row arrays ----

template <class T>
Cells<T> non_zero_cells(const std::vector<T>& v) {
    return collect<T>(v.size(), [&](std::size_t i) { return !is_zero(v[i]); }, [&](std::size_t i) { return v[i]; });
}

template <class T>
void add_array_change(std::vector<ArrayChange<T>>& out, int unit, const std::vector<T>& before,
                      const std::vector<T>& after) {
    if (before.size() != after.size()) {
        out.push_back({unit, after.size(), before.size(), non_zero_cells(before)});
        return;
    }
    Cells<T> cells = collect<T>(
        before.size(), [&](std::size_t i) { return !same(before[i], after[i]); },
        [&](std::size_t i) { return before[i]; });
    if (!cells.empty()) out.push_back({unit, after.size(), before.size(), std::move(cells)});
}

template <class T>
void apply_array(ArrayChange<T>& c, std::vector<T>& v) {
    if (c.rows_here == c.rows_there) {
        swap_cells(c.cells, [&](std::size_t i) -> T& { return v[i]; });
        return;
    }
    Cells<T> leaving = non_zero_cells(v);
    v.assign(c.rows_there, T{});
    write_cells(c.cells, [&](std::size_t i) -> T& { return v[i]; });
    c.cells = std::move(leaving);
    std::swap(c.rows_here, c.rows_there);
}

// ---- per-frame tables ----

Cells<double> non_zero_column(const FrameTable& t, int a) {
    return collect<double>(
        static_cast<std::size_t>(t.rows()), [&](std::size_t i) { return !is_zero(t.at(static_cast<int>(i) + 1, a)); },
        [&](std::size_t i) { return t.at(static_cast<int>(i) + 1, a); });
}

void add_table_change(std::vector<TableChange>& out, int unit, const FrameTable& before, const FrameTable& after) {
    TableChange c{unit, after.rows(), before.rows(), {}};
    bool changed = before.rows() != after.rows();
    for (int a = 0; a < move_axes; ++a) {
        auto& column = c.columns[static_cast<std::size_t>(a)];
        if (before.rows() != after.rows()) {
            column = non_zero_column(before, a);
            continue;
        }
        column = collect<double>(
            static_cast<std::size_t>(before.rows()),
            [&](std::size_t i) {
                const int f = static_cast<int>(i) + 1;
                return !same(before.at(f, a), after.at(f, a));
            },
            [&](std::size_t i) { return before.at(static_cast<int>(i) + 1, a); });
        changed = changed || !column.empty();
    }
    if (changed) out.push_back(std::move(c));
}

void apply_table(TableChange& c, FrameTable& t) {
    if (c.rows_here == c.rows_there) {
        for (int a = 0; a < move_axes; ++a)
            swap_cells(c.columns[static_cast<std::size_t>(a)],
                       [&](std::size_t i) -> double& { return t.at(static_cast<int>(i) + 1, a); });
        return;
    }
    std::array<Cells<double>, move_axes> leaving;
    for (int a = 0; a < move_axes; ++a) leaving[static_cast<std::size_t>(a)] = non_zero_column(t, a);
    t.create(c.rows_there);
    for (int a = 0; a < move_axes; ++a)
        write_cells(c.columns[static_cast<std::size_t>(a)],
                    [&](std::size_t i) -> double& { return t.at(static_cast<int>(i) + 1, a); });
    c.columns = std::move(leaving);
    std::swap(c.rows_here, c.rows_there);
}

// ---- the model's parts by unit number ----

std::vector<std::int32_t>& keyframe_array(MoveModel& m, int unit) {
    return unit < move_axes ? m.kfframe[static_cast<std::size_t>(unit)] : m.kfpos[static_cast<std::size_t>(unit - move_axes)];
}
std::vector<double>& bezier_array(MoveModel& m, int unit) {
    return unit < move_axes ? m.bzframe[static_cast<std::size_t>(unit)] : m.bzpos[static_cast<std::size_t>(unit - move_axes)];
}
FrameTable& table(MoveModel& m, int unit) { return unit == 0 ? m.movepos : unit == 1 ? m.smoothpos : m.graphpos; }

std::size_t step_bytes(const Step& s) {
    std::size_t n = sizeof(Step) + s.label.capacity() + (s.name ? s.name->file.native().capacity() : 0);
    auto arrays = [&](const auto& list) {
        n += list.capacity() * sizeof(list.front());
        for (const auto& c : list) n += c.cells.bytes();
    };
    arrays(s.keyframes);
    arrays(s.bezier);
    arrays(s.corrections);
    n += s.tables.capacity() * sizeof(TableChange);
    for (const TableChange& t : s.tables)
        for (const auto& column : t.columns) n += column.bytes();
    return n;
}

std::unique_ptr<Step> make_step(std::string label, const MoveModel& before, const MoveModel& after) {
    auto s = std::make_unique<Step>();
    s->label = std::move(label);
    s->totalframes_here = after.totalframes;
    s->totalframes_there = before.totalframes;
    s->nextkf_here = after.nextkf;
    s->nextkf_there = before.nextkf;
    for (int a = 0; a < move_axes; ++a) {
        const auto i = static_cast<std::size_t>(a);
        add_array_change(s->keyframes, a, before.kfframe[i], after.kfframe[i]);
        add_array_change(s->keyframes, move_axes + a, before.kfpos[i], after.kfpos[i]);
        add_array_change(s->bezier, a, before.bzframe[i], after.bzframe[i]);
        add_array_change(s->bezier, move_axes + a, before.bzpos[i], after.bzpos[i]);
        const auto& cb = before.kfcorr[i];
        const auto& ca = after.kfcorr[i];
        Cells<double> cells = collect<double>(
            cb.size(), [&](std::size_t k) { return !same(cb[k], ca[k]); }, [&](std::size_t k) { return cb[k]; });
        if (!cells.empty()) s->corrections.push_back({a, cb.size(), cb.size(), std::move(cells)});
    }
    add_table_change(s->tables, 0, before.movepos, after.movepos);
    add_table_change(s->tables, 1, before.smoothpos, after.smoothpos);
    add_table_change(s->tables, 2, before.graphpos, after.graphpos);
    const bool changed = s->totalframes_here != s->totalframes_there || s->nextkf_here != s->nextkf_there ||
                         !s->keyframes.empty() || !s->bezier.empty() || !s->corrections.empty() ||
                         !s->tables.empty();
    if (!changed) return nullptr;
    s->keyframes.shrink_to_fit();
    s->bezier.shrink_to_fit();
    s->corrections.shrink_to_fit();
    s->tables.shrink_to_fit();
    s->bytes = step_bytes(*s);
    return s;
}

// Whether the model has the lengths and counts the step was recorded against;
// anything else would put cells where they do not belong.
bool fits(const Step& s, MoveModel& m) {
    if (m.totalframes != s.totalframes_here || m.nextkf != s.nextkf_here) return false;
    for (const auto& c : s.keyframes)
        if (keyframe_array(m, c.unit).size() != c.rows_here) return false;
    for (const auto& c : s.bezier)
        if (bezier_array(m, c.unit).size() != c.rows_here) return false;
    for (const auto& c : s.tables)
        if (table(m, c.unit).rows() != c.rows_here) return false;
    return true;
}

// Turn the model to the other side of the step, and the step to face the way back.
void apply(Step& s, MoveModel& m) {
    m.totalframes = s.totalframes_there;
    m.nextkf = s.nextkf_there;
    std::swap(s.totalframes_here, s.totalframes_there);
    std::swap(s.nextkf_here, s.nextkf_there);
    for (auto& c : s.keyframes) apply_array(c, keyframe_array(m, c.unit));
    for (auto& c : s.bezier) apply_array(c, bezier_array(m, c.unit));
    for (auto& c : s.corrections) {
        auto& column = m.kfcorr[static_cast<std::size_t>(c.unit)];
        swap_cells(c.cells, [&](std::size_t i) -> double& { return column[i]; });
    }
    for (auto& c : s.tables) apply_table(c, table(m, c.unit));
    s.bytes = step_bytes(s);
}

const std::string no_label;

}  // namespace

MoveHistory::MoveHistory(std::size_t byte_limit) : limit_(byte_limit) {}
MoveHistory::~MoveHistory() = default;
MoveHistory::MoveHistory(MoveHistory&&) = default;
MoveHistory& MoveHistory::operator=(MoveHistory&&) = default;

void MoveHistory::begin(std::string label, const MoveModel& before) {
    pending_label_ = std::move(label);
    pending_ = std::make_unique<MoveModel>(before);
}

void MoveHistory::cancel() {
    pending_.reset();
    pending_label_.reset();
}

bool MoveHistory::roll_back(MoveModel& move) {
    if (!pending_) return false;
    const bool changed = make_step({}, *pending_, move) != nullptr;
    if (changed) move = std::move(*pending_);
    cancel();
    return changed;
}

bool MoveHistory::commit(const MoveModel& after, std::optional<MoveName> renamed_from) {
    if (!pending_) return false;
    const bool changed = record(std::move(*pending_label_), *pending_, after, std::move(renamed_from));
    cancel();
    return changed;
}

bool MoveHistory::record(std::string label, const MoveModel& before, const MoveModel& after,
                         std::optional<MoveName> renamed_from) {
    StepPtr step = make_step(std::move(label), before, after);
    if (!step) return false;
    if (renamed_from) {
        step->name = std::move(renamed_from);
        step->bytes = step_bytes(*step);
    }
    for (const StepPtr& s : redo_) bytes_ -= s->bytes;
    redo_.clear();
    bytes_ += step->bytes;
    undo_.push_back(std::move(step));
    keep_within_limit();
    return true;
}

Result<> MoveHistory::undo(MoveModel& move, MoveName* name) {
    return move_step(undo_, redo_, move, name, history_msg::nothing_to_undo);
}
Result<> MoveHistory::redo(MoveModel& move, MoveName* name) {
    return move_step(redo_, undo_, move, name, history_msg::nothing_to_redo);
}

Result<> MoveHistory::move_step(std::deque<StepPtr>& from, std::deque<StepPtr>& to, MoveModel& move, MoveName* name,
                                const std::string& nothing) {
    cancel();
    if (from.empty()) return fail(nothing);
    Step& s = *from.back();
    if (!fits(s, move)) {
        clear();
        return fail(history_msg::move_changed_elsewhere);
    }
    bytes_ -= s.bytes;
    if (s.name && name) std::swap(*s.name, *name);
    apply(s, move);
    bytes_ += s.bytes;  // a step that took a longer table in exchange has grown
    to.push_back(std::move(from.back()));
    from.pop_back();
    keep_within_limit();
    return {};
}

const std::string& MoveHistory::undo_label() const { return undo_.empty() ? no_label : undo_.back()->label; }
const std::string& MoveHistory::redo_label() const { return redo_.empty() ? no_label : redo_.back()->label; }

void MoveHistory::keep_within_limit() {
    while (bytes_ > limit_ && !undo_.empty()) {
        bytes_ -= undo_.front()->bytes;
        undo_.pop_front();
    }
    while (bytes_ > limit_ && !redo_.empty()) {
        bytes_ -= redo_.front()->bytes;
        redo_.pop_front();
    }
}

void MoveHistory::clear() {
    cancel();
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
}

}  // namespace kestrova
