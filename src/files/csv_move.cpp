#include "files/csv_move.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "files/csv_texts.h"

namespace kestrova {

namespace {

std::string quoted(const std::string& field) {
    if (field.find_first_of(",;\"\r\n") == std::string::npos) return field;
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

void append_number(std::string& out, double v) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);  // shortest text that reads back the same
    out.append(buf, ec == std::errc{} ? end : buf);
}

// Fields between separators; a separator inside double quotes belongs to its
// field (axis names may hold one).
std::vector<std::string_view> split(std::string_view line, char sep) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    bool quoted_field = false;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] == '"') quoted_field = !quoted_field;
        if (i == line.size() || (line[i] == sep && !quoted_field)) {
            fields.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool read_number(std::string_view field, bool comma_decimal, double& out) {
    std::string text(trimmed(field));
    if (comma_decimal)
        for (char& c : text)
            if (c == ',') c = '.';
    if (text.empty()) return false;
    const char* first = text.data();
    if (*first == '+') ++first;
    auto [end, ec] = std::from_chars(first, text.data() + text.size(), out);
    return ec == std::errc{} && end == text.data() + text.size() && std::isfinite(out);
}

}  // namespace

std::string export_csv(const FrameTable& positions, int frames, const std::array<std::string, move_axes>& names) {
    std::string out = "frame";
    for (int a = 0; a < move_axes; ++a) {
        out += ',';
        out += quoted(names[a].empty() ? std::string(1, static_cast<char>('A' + a)) : names[a]);
    }
    out += '\n';
    out.reserve(out.size() + static_cast<std::size_t>(frames) * 48);
    for (int f = 1; f <= frames; ++f) {
        out += std::to_string(f);
        for (int a = 0; a < move_axes; ++a) {
            out += ',';
            append_number(out, positions.at(f, a));
        }
        out += '\n';
    }
    return out;
}

Result<FrameTable> parse_csv(std::string_view text) {
    // Spreadsheets on Windows start the file with a byte-order mark.
    constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
    if (text.starts_with(byte_order_mark)) text.remove_prefix(byte_order_mark.size());
    std::vector<std::array<double, move_axes>> rows;
    std::size_t line_no = 0;
    char sep = ',';
    bool header_seen = false;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        const std::string_view raw = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        ++line_no;
        if (raw.size() > csv_max_line) return fail(csv_text::at_line(line_no, csv_text::too_long));
        const std::string_view line = trimmed(raw);
        if (!header_seen) {
            if (line.substr(0, 6) == "frame;") sep = ';';
            const auto fields = split(line, sep);
            if (fields.size() != 1 + move_axes || trimmed(fields[0]) != "frame")
                return fail(csv_text::at_line(line_no, csv_text::no_header));
            header_seen = true;
            continue;
        }
        // Blank lines may end the file.
        if (line.empty() && text.find_first_not_of(" \t\r\n") == std::string_view::npos) break;
        const auto fields = split(line, sep);
        if (fields.size() != 1 + move_axes) return fail(csv_text::at_line(line_no, csv_text::columns));
        double frame = 0;
        if (!read_number(fields[0], false, frame)) return fail(csv_text::at_line(line_no, csv_text::not_a_number));
        if (frame != static_cast<double>(rows.size() + 1)) return fail(csv_text::at_line(line_no, csv_text::out_of_order));
        if (rows.size() == static_cast<std::size_t>(max_frames)) return fail(csv_text::at_line(line_no, csv_text::too_many));
        std::array<double, move_axes> row{};
        for (int a = 0; a < move_axes; ++a) {
            if (!read_number(fields[static_cast<std::size_t>(a) + 1], sep == ';', row[a]))
                return fail(csv_text::at_line(line_no, csv_text::not_a_number));
            if (std::fabs(row[a]) > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
                return fail(csv_text::at_line(line_no, csv_text::out_of_range));
        }
        rows.push_back(row);
    }
    if (!header_seen) return fail(csv_text::at_line(1, csv_text::no_header));
    if (rows.empty()) return fail(csv_text::at_line(2, csv_text::no_rows));  // the line after the header
    FrameTable table;
    table.create(static_cast<int>(rows.size()));
    for (int f = 1; f <= table.rows(); ++f)
        for (int a = 0; a < move_axes; ++a) table.at(f, a) = rows[static_cast<std::size_t>(f - 1)][a];
    return table;
}

}  // namespace kestrova
