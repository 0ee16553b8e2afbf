// A pseudo-terminal standing in for the rig's serial line, and reading what
// the program wrote from its far end.
#pragma once

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

#include "link/fd_port.h"

namespace kestrova::test_support {

// Reads from `fd` until `want` bytes came or a second passed.
inline std::vector<std::uint8_t> read_bytes(int fd, std::size_t want) {
    std::vector<std::uint8_t> got;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (got.size() < want && std::chrono::steady_clock::now() < until) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        std::uint8_t buf[4096];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) break;
        got.insert(got.end(), buf, buf + n);
    }
    return got;
}

struct Pty {
    Pty() {
        auto p = open_pty_pair();
        EXPECT_TRUE(p) << p.error();
        if (p) pair = p.value();
    }
    ~Pty() { close(); }
    // The rig side goes away: its controlling end closes, its device end too.
    void close() {
        for (int* fd : {&pair.master, &pair.device_fd})
            if (*fd >= 0) ::close(std::exchange(*fd, -1));
    }
    PtyPair pair;
};

}  // namespace kestrova::test_support
