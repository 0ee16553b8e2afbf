#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace kestrova {

namespace fs = std::filesystem;

namespace {

std::string errno_text(int err) { return std::generic_category().message(err); }

constexpr std::string_view temporary_mark = ".tmp-";
constexpr std::size_t temporary_unique = 6;  // the characters mkstemp fills in

// Creates a unique temporary file beside `target`; -1 and errno on failure.
int open_temporary(const fs::path& target, std::string& temp_name) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = "." + target.filename().string() + std::string(temporary_mark) +
                             std::string(temporary_unique, 'X');
    temp_name = (folder / name).string();
    return ::mkstemp(temp_name.data());
}

bool write_all(int fd, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The mode a new file gets: the old file's, or the usual one under the umask.
mode_t mode_for(const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

Result<FileContent> read_file(const fs::path& path, std::size_t limit) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return fail(ec ? ec.message() : "no such file");
    if (fs::is_directory(path, ec)) return fail("it is a folder");
    if (!fs::is_regular_file(path, ec)) return fail("it is not a regular file");
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail(errno_text(errno));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0) return fail("cannot be read");
    FileContent r;
    std::size_t want = static_cast<std::size_t>(size);
    if (want > limit) {
        want = limit;
        r.truncated = true;
    }
    r.bytes.resize(want);
    if (want > 0 && !in.read(reinterpret_cast<char*>(r.bytes.data()), static_cast<std::streamsize>(want)))
        return fail("cannot be read");
    return r;
}

Result<FileStamp> file_stamp(const fs::path& path) {
    std::error_code ec;
    FileStamp st;
    st.size = fs::file_size(path, ec);
    if (!ec) st.modified = fs::last_write_time(path, ec);
    if (ec) return fail(ec.message());
    return st;
}

Result<> write_file_atomically(const fs::path& path, const Bytes& bytes) {
    std::error_code ec;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) return fail("the folder " + folder.string() + " does not exist");
    if (fs::is_directory(path, ec)) return fail("a folder of that name exists");
    std::string temp;
    const int fd = open_temporary(path, temp);
    if (fd < 0) return fail(errno_text(errno));
    bool ok = write_all(fd, bytes);
    int err = ok ? 0 : errno;
    if (ok && ::fchmod(fd, mode_for(path)) != 0) {
        ok = false;
        err = errno;
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return fail(errno_text(err));
    }
    return {};
}

Result<> write_file_keeping_tail(const fs::path& path, Bytes bytes) {
    const Result<FileContent> old = read_file(path);
    if (old && old->truncated) return fail("the old file is too large to keep its end");
    if (old && old->bytes.size() > bytes.size())
        bytes.insert(bytes.end(), old->bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size()), old->bytes.end());
    return write_file_atomically(path, bytes);
}

bool is_temporary_name(std::string_view name) {
    const std::size_t tail = temporary_mark.size() + temporary_unique;
    return name.size() > 1 + tail && name.front() == '.' &&
           name.substr(name.size() - tail, temporary_mark.size()) == temporary_mark;
}

bool is_program_file_name(std::string_view name) {
    return is_temporary_name(name) || name.starts_with(working_folder_lock);
}

std::size_t remove_stale_temporaries(const fs::path& folder, std::chrono::seconds age) {
    std::size_t removed = 0;
    std::error_code ec;
    const auto cutoff = fs::file_time_type::clock::now() - age;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entry_ec;
        if (!is_temporary_name(it->path().filename().string()) || !it->is_regular_file(entry_ec)) continue;
        const auto written = it->last_write_time(entry_ec);
        if (entry_ec || written > cutoff) continue;
        if (fs::remove(it->path(), entry_ec)) ++removed;
    }
    return removed;
}

}  // namespace kestrova
