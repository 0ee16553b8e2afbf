#include "files/text_export.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "base/numeric.h"

namespace kestrova {

namespace {

constexpr std::array<std::size_t, move_axes> columns = {7, 18, 30, 42, 54};
constexpr std::string_view header_start = "Axes = ";
constexpr std::string_view line_end = "\r\n";
// Imported positions must fit the 32-bit range every position conversion uses.
constexpr long long min_value = -2147483648LL;
constexpr long long max_value = 2147483647LL;

std::string trim_blanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A rounded value in plain decimal: "-250", "1000".
std::string whole(double v) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", num::round_half_even(v));
    std::string s(buf);
    return s == "-0" ? "0" : s;
}

void append_line(std::string& out, const std::array<double, move_axes>& values) {
    std::size_t column = 1;  // column of the next character in the current line
    for (int a = 0; a < move_axes; ++a) {
        const std::string digits = whole(values[a]);
        // Axis A has no sign position; the others print a blank for plus.
        const std::string text = (a == 0 || digits[0] == '-') ? digits + " " : " " + digits + " ";
        if (column > columns[a]) {
            out += line_end;
            column = 1;
        }
        out.append(columns[a] - column, ' ');
        out += text;
        column = columns[a] + text.size();
    }
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string export_line(const std::array<double, move_axes>& values) {
    std::string out;
    append_line(out, values);
    return out;
}

std::string export_text(const MoveModel& move, const std::array<std::string, move_axes>& names) {
    std::string out;
    out.reserve(80 + static_cast<std::size_t>(move.totalframes) * 64);
    out += header_start;
    for (int a = 0; a < move_axes; ++a) {
        if (a > 0) out += ", ";
        out += trim_blanks(names[a]);
    }
    out += line_end;
    std::array<double, move_axes> values{};
    for (int f = 1; f <= move.totalframes; ++f) {
        for (int a = 0; a < move_axes; ++a) values[a] = move.movepos.has_frame(f) ? move.movepos.at(f, a) : 0.0;
        append_line(out, values);
        out += line_end;
    }
    return out;
}

Result<FrameTable> parse_export(std::string_view text) {
    auto refuse = [](std::size_t line, const std::string& why) {
        return fail("line " + std::to_string(line) + ": " + why);
    };
    // Split into lines at LF, dropping a CR before it; a final line end closes the text.
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    if (lines.empty() || lines[0].substr(0, header_start.size()) != header_start)
        return refuse(1, "the header \"Axes = ...\" is missing");
    std::vector<std::array<double, move_axes>> frames;
    std::array<double, move_axes> current{};
    int filled = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t line_no = i + 1;
        std::string_view line = lines[i];
        bool any = false;
        std::size_t at = 0;
        while (true) {
            while (at < line.size() && is_blank(line[at])) ++at;
            if (at == line.size()) break;
            if (filled == move_axes) return refuse(line_no, "more than five values for one frame");
            long long v = 0;
            const char* begin = line.data() + at;
            const auto [ptr, ec] = std::from_chars(begin, line.data() + line.size(), v);
            const std::size_t used = static_cast<std::size_t>(ptr - begin);
            if (ec != std::errc() || (at + used < line.size() && !is_blank(line[at + used])))
                return refuse(line_no, "expected a whole number");
            if (v < min_value || v > max_value) return refuse(line_no, "a value beyond the 32-bit range");
            current[static_cast<std::size_t>(filled++)] = static_cast<double>(v);
            at += used;
            any = true;
        }
        if (!any) return refuse(line_no, "the line is empty");
        if (filled == move_axes) {
            if (frames.size() == static_cast<std::size_t>(max_frames))
                return refuse(line_no, "more than " + std::to_string(max_frames) + " frames");
            frames.push_back(current);
            filled = 0;
        }
    }
    if (filled != 0) return refuse(lines.size(), "the last frame has fewer than five values");
    if (frames.empty()) return refuse(2, "the file holds no frame");
    FrameTable table;
    table.create(static_cast<int>(frames.size()));
    for (std::size_t f = 0; f < frames.size(); ++f)
        for (int a = 0; a < move_axes; ++a) table.at(static_cast<int>(f) + 1, a) = frames[f][static_cast<std::size_t>(a)];
    return table;
}

}  // namespace kestrova
