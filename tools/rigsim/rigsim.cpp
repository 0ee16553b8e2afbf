// kestrova-rigsim: a rig controller on a pseudo-terminal. Prints the device
// path first ("rig simulator on /dev/pts/N"), then one line per message it
// receives; sends the sound-sync marker on a key press or at a given time;
// prints the timing of the messages when it stops.
#include <poll.h>
#include <sched.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <variant>
#include <string>
#include <vector>

#include "link/fd_port.h"
#include "link/wire_message.h"
#include "message_stream.h"
#include "period_stats.h"

namespace {

volatile std::sig_atomic_t stop_requested = 0;
void on_signal(int) { stop_requested = 1; }

constexpr double nominal_ms = 40.0;

struct Options {
    std::optional<double> marker_at_s;  // seconds after the first message
    long count = 0;                     // stop after this many messages (0: never)
    bool quiet = false;
};

void usage() {
    std::puts("usage: kestrova-rigsim [--marker-at SECONDS] [--count N] [--quiet]\n"
              "  Any key (on a terminal) sends the sound-sync marker 0x96; q stops.\n"
              "  Stops on q, Ctrl-C, SIGTERM or after N messages and prints period statistics.");
}

std::optional<Options> parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--marker-at" && i + 1 < argc) o.marker_at_s = std::atof(argv[++i]);
        else if (a == "--count" && i + 1 < argc) o.count = std::atol(argv[++i]);
        else if (a == "--quiet") o.quiet = true;
        else return std::nullopt;
    }
    return o;
}

const char* kind(std::uint8_t lead) {
    switch (lead) {
    case kestrova::lead_position: return "position";
    case kestrova::lead_reset: return "reset   ";
    default: return "frame   ";
    }
}

class Rig {
public:
    Rig(int master, Options o) : master_(master), opt_(o) {}

    void on_bytes(const std::uint8_t* data, std::size_t n, double t_ms) {
        for (const auto& item : stream_.feed({data, n})) {
            if (const auto* d = std::get_if<kestrova::Decoded>(&item)) on_message(*d, t_ms);
            else on_skipped(std::get<rigsim::Skipped>(item).bytes, t_ms);
        }
    }

    void send_marker(double t_ms) {
        const std::uint8_t m = kestrova::sound_sync_marker;
        if (::write(master_, &m, 1) == 1) std::printf("%10.3f ms  sent sound-sync marker 96\n", t_ms);
        std::fflush(stdout);
    }

    const std::vector<double>& arrivals() const { return arrivals_; }

private:
    static void on_skipped(const std::vector<std::uint8_t>& bytes, double t_ms) {
        std::printf("%10.3f ms  %zu unreadable byte%s skipped:", t_ms, bytes.size(), bytes.size() == 1 ? "" : "s");
        constexpr std::size_t shown = kestrova::long_size;
        for (std::size_t i = 0; i < bytes.size() && i < shown; ++i) std::printf(" %02X", bytes[i]);
        std::printf("%s\n", bytes.size() > shown ? " .." : "");
        std::fflush(stdout);
    }

    void on_message(const kestrova::Decoded& d, double t_ms) {
        arrivals_.push_back(t_ms);
        const int axes = d.short_form ? 1 : kestrova::move_axes;
        for (int a = 0; a < axes; ++a) pos_[static_cast<std::size_t>(a)] = d.pos[static_cast<std::size_t>(a)];
        if (opt_.quiet) return;
        std::printf("%10.3f ms  #%-6zu %s", t_ms, arrivals_.size(), kind(d.lead));
        for (int a = 0; a < axes; ++a) std::printf("  %c=%d", 'A' + a, pos_[static_cast<std::size_t>(a)]);
        if (d.short_form) std::printf("  incontrol=%02X", d.incontrol);
        std::printf("\n");
        std::fflush(stdout);
    }

    int master_;
    Options opt_;
    rigsim::MessageStream stream_;
    std::vector<double> arrivals_;
    std::array<std::int32_t, kestrova::move_axes> pos_{};
};

}  // namespace

int main(int argc, char** argv) {
    const auto opt = parse(argc, argv);
    if (!opt) {
        usage();
        return 2;
    }
    const auto pty = kestrova::open_pty_pair();
    if (!pty) {
        std::fprintf(stderr, "kestrova-rigsim: cannot open a pseudo-terminal: %s\n", pty.error().c_str());
        return 1;
    }
    // Arrival times are only as good as this process's wake-ups: take a
    // real-time class where the system grants it.
    sched_param sp{};
    sp.sched_priority = 20;
    const bool realtime = ::sched_setscheduler(0, SCHED_FIFO, &sp) == 0;
    std::printf("rig simulator on %s\n", pty->path.c_str());
    std::fflush(stdout);
    std::signal(SIGINT, on_signal);
    std::signal(SIGTERM, on_signal);

    // Keys one at a time, without echo, when run on a terminal.
    const bool keys = ::isatty(STDIN_FILENO) != 0;
    termios saved{};
    if (keys) {
        ::tcgetattr(STDIN_FILENO, &saved);
        termios t = saved;
        t.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &t);
    }

    Rig rig(pty->master, *opt);
    const auto t0 = std::chrono::steady_clock::now();
    auto now_ms = [&] { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count(); };
    bool marker_sent = false;
    while (!stop_requested) {
        pollfd fds[2] = {{pty->master, POLLIN, 0}, {keys ? STDIN_FILENO : -1, POLLIN, 0}};
        const int r = ::poll(fds, 2, 5);
        if (r < 0) continue;  // interrupted by a signal
        const double t = now_ms();
        if (fds[0].revents & POLLIN) {
            std::uint8_t buf[4096];
            const ssize_t n = ::read(pty->master, buf, sizeof buf);
            if (n > 0) rig.on_bytes(buf, static_cast<std::size_t>(n), t);
        }
        if (fds[1].revents & POLLIN) {
            char c = 0;
            if (::read(STDIN_FILENO, &c, 1) == 1) {
                if (c == 'q') break;
                rig.send_marker(t);
            }
        }
        if (opt->marker_at_s && !marker_sent && !rig.arrivals().empty() &&
            t - rig.arrivals().front() >= *opt->marker_at_s * 1000) {
            rig.send_marker(t);
            marker_sent = true;
        }
        if (opt->count > 0 && static_cast<long>(rig.arrivals().size()) >= opt->count) break;
    }
    if (keys) ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    std::printf("arrival times taken %s\n", realtime ? "with real-time priority" : "at normal priority");
    std::fputs(rigsim::describe(rigsim::period_stats(rig.arrivals(), nominal_ms), nominal_ms).c_str(), stdout);
    std::fflush(stdout);
    ::close(pty->master);
    ::close(pty->device_fd);
    return 0;
}
