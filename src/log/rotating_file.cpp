#include "log/rotating_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "log/messages.h"

namespace kestrova {

namespace fs = std::filesystem;

namespace {
struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};
}  // namespace

RotatingFile::RotatingFile(fs::path path, std::uintmax_t max_bytes, int kept_old)
    : path_(std::move(path)), max_bytes_(max_bytes), kept_old_(kept_old) {}

void RotatingFile::rotate() {
    std::error_code ec;
    auto old = [this](int n) { return fs::path(path_.string() + "." + std::to_string(n)); };
    fs::remove(old(kept_old_), ec);
    for (int n = kept_old_ - 1; n >= 1; --n) fs::rename(old(n), old(n + 1), ec);
    fs::rename(path_, old(1), ec);
}

Result<> RotatingFile::append_line(std::string_view line) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path_, ec);
    if (!ec && size + line.size() + 1 > max_bytes_) rotate();
    // Never blocking: a FIFO or a device under the log's name is refused, not
    // waited on (a FIFO without a reader fails the open; with one, the check after it).
    const fs::file_status before = fs::status(path_, ec);
    if (fs::exists(before) && !fs::is_regular_file(before)) return fail(log_text::not_a_file(path_.string()));
    const Fd file{::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644)};
    const int fd = file.fd;
    if (fd < 0) return fail(log_text::cannot_write(path_.string()));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return fail(log_text::not_a_file(path_.string()));
    std::string out(line);
    out += '\n';
    for (std::size_t done = 0; done < out.size();) {
        const ssize_t n = ::write(fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(log_text::cannot_write(path_.string()));
        done += static_cast<std::size_t>(n);
    }
    return {};
}

}  // namespace kestrova
