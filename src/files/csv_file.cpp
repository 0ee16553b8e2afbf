#include "files/csv_file.h"

#include "base/file_io.h"
#include "files/csv_move.h"
#include "files/csv_texts.h"
#include "files/messages.h"
#include "files/move_file.h"

namespace kestrova {

namespace {

// The longest file worth reading: every row at the longest line the reader takes.
constexpr std::size_t csv_read_limit = (static_cast<std::size_t>(max_frames) + 2) * csv_max_line;

}  // namespace

bool export_move_csv(const FilesContext& c, const std::filesystem::path& path) {
    const auto names = move_axis_names(c.axis_names);
    const std::string text = export_csv(c.move.movepos, c.move.totalframes, names);
    if (const Result<> written = write_file_atomically(path, Bytes(text.begin(), text.end())); !written) {
        c.notices.say(files_msg::csv_export_failed(path.string(), written.error()));
        return false;
    }
    c.notices.say(files_msg::exported(path.string()));
    return true;
}

Result<FrameTable> read_csv_file(const std::filesystem::path& path, const std::function<void()>& between_looks) {
    const Result<FileStamp> before = file_stamp(path);
    const Result<FileContent> file = read_file(path, csv_read_limit);
    if (!file) return fail(file.error());
    if (between_looks) between_looks();
    const Result<FileStamp> after = file_stamp(path);
    if (!before || !after || before.value() != after.value()) return fail(csv_text::changed);
    // A cut-off file still has its first fault named when there is one.
    Result<FrameTable> table =
        parse_csv(std::string_view(reinterpret_cast<const char*>(file->bytes.data()), file->bytes.size()));
    if (table && file->truncated) return fail(files_msg::too_large);
    return table;
}

bool import_move_csv(const FilesContext& c, const std::filesystem::path& path) {
    Result<FrameTable> table = read_csv_file(path);
    if (!table) {
        c.notices.say(files_msg::csv_import_refused(path.string(), table.error()));
        return false;
    }
    install_positions(c, std::move(table).value());
    c.notices.say(files_msg::imported(path.string(), c.move.totalframes));
    return true;
}

}  // namespace kestrova
