#include "link/fd_port.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kestrova {

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
