#include "link/fd_port.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "link/link_texts.h"

namespace kestrova {

FdPort::FdPort(int fd, std::string device) : fd_(fd), device_(std::move(device)) {}

FdPort::~FdPort() {
    if (fd_ >= 0) ::close(fd_);
}

void FdPort::lose(const std::string& why) {
    std::lock_guard lock(error_mutex_);
    if (!lost_.load()) error_ = why;
    lost_.store(true);
}

std::string FdPort::error() const {
    std::lock_guard lock(error_mutex_);
    return error_;
}

bool FdPort::hung_up() const {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0) return false;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

namespace {

// As much of `bytes` as the line takes now; a failure gives the system's reason.
Result<std::size_t> write_some(int fd, std::span<const std::uint8_t> bytes) {
    for (;;) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return std::size_t{0};
        return fail(std::strerror(errno));
    }
}

// Bytes written but not yet sent by the device; 0 where the system does not say
// (a pseudo-terminal never does).
std::size_t output_queued(int fd) {
    int n = 0;
    return ::ioctl(fd, TIOCOUTQ, &n) == 0 && n > 0 ? static_cast<std::size_t>(n) : 0;
}

}  // namespace

Result<Written> write_whole(int fd, std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& unsent) {
    if (!unsent.empty()) {
        const Result<std::size_t> n = write_some(fd, unsent);
        if (!n) return fail(n.error());
        unsent.erase(unsent.begin(), unsent.begin() + static_cast<std::ptrdiff_t>(n.value()));
        if (!unsent.empty()) return Written::not_at_all;
    }
    // A rig that reads keeps its queue short; a longer one would only hold stale messages.
    if (output_queued(fd) > 2 * bytes.size()) return Written::not_at_all;
    const Result<std::size_t> n = write_some(fd, bytes);
    if (!n) return fail(n.error());
    if (n.value() == 0) return Written::not_at_all;
    // The line took part of it: the rest is owed, or the stream would fall out of step.
    unsent.assign(bytes.begin() + static_cast<std::ptrdiff_t>(n.value()), bytes.end());
    return Written::whole;
}

std::string line_failure(int fd, const std::string& otherwise) {
    // A write of nothing sends nothing, but reports a line that is gone.
    const std::uint8_t none = 0;
    if (fd >= 0 && ::write(fd, &none, 0) < 0) return std::strerror(errno);
    return otherwise;
}

Result<Written> FdPort::write(std::span<const std::uint8_t> bytes) {
    if (lost_.load()) return fail(error());
    Result<Written> w = write_whole(fd_, bytes, unsent_);
    if (!w) lose(w.error());
    return w;
}

std::vector<std::uint8_t> FdPort::read_all() {
    std::vector<std::uint8_t> out;
    if (lost_.load()) return out;
    std::uint8_t buf[512];
    for (;;) {
        const ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n > 0) {
            out.insert(out.end(), buf, buf + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        // 0 on a hung-up line, EIO on a closed pseudo-terminal or unplugged adapter.
        if (n == 0 && !hung_up()) break;
        lose(n < 0 ? std::string(std::strerror(errno)) : line_failure(fd_, link_text::far_end_closed));
        break;
    }
    return out;
}

std::size_t FdPort::bytes_waiting() const {
    int n = 0;
    if (lost_.load() || ::ioctl(fd_, FIONREAD, &n) < 0) return 0;
    return static_cast<std::size_t>(std::max(n, 0));
}

void FdPort::clear_input() {
    if (!lost_.load()) ::tcflush(fd_, TCIFLUSH);
}

Result<> make_raw_terminal(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return fail(std::strerror(errno));
    ::cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, B115200);
    ::cfsetospeed(&t, B115200);
    if (::tcsetattr(fd, TCSANOW, &t) != 0) return fail(std::strerror(errno));
    return {};
}

Result<std::unique_ptr<Port>> PosixPortOpener::open(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(std::strerror(errno));
    if (!::isatty(fd) || !make_raw_terminal(fd)) {
        ::close(fd);
        return fail(link_text::not_serial);
    }
    return std::unique_ptr<Port>(std::make_unique<FdPort>(fd, device));
}

std::vector<std::string> PosixPortOpener::list() const {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("ttyUSB") || name.starts_with("ttyACM") || name.starts_with("ttyS"))
            out.push_back(entry.path().string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

Result<PtyPair> open_pty_pair() {
    PtyPair p;
    char name[256] = {};
    if (::openpty(&p.master, &p.device_fd, name, nullptr, nullptr) != 0) return fail(std::strerror(errno));
    p.path = name;
    // Raw on the device side until the program sets its own mode: no newline
    // translation, no echo, every byte value passes.
    (void)make_raw_terminal(p.device_fd);
    termios t{};
    if (::tcgetattr(p.master, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(p.master, TCSANOW, &t);
    }
    for (int fd : {p.master, p.device_fd}) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    return p;
}

}  // namespace kestrova
