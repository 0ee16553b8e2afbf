// An in-memory serial line: what the program wrote, what the rig "sends" back.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "link/port.h"

namespace kestrova::test_support {

struct FakeLine {
    std::vector<std::vector<std::uint8_t>> sent;
    std::vector<std::uint8_t> inbox;  // delivered by the next read_all
    std::size_t waiting = 0;          // reported as still waiting after the read
    int cleared = 0;
    bool lost = false;
    bool fail_writes = false;
    bool not_reading = false;  // the rig takes nothing; what it is sent is not written
};

class FakePort : public Port {
public:
    FakePort(std::string device, std::shared_ptr<FakeLine> line) : device_(std::move(device)), line_(std::move(line)) {}
    std::string device() const override { return device_; }
    Result<Written> write(std::span<const std::uint8_t> bytes) override {
        if (line_->lost || line_->fail_writes) {
            line_->lost = true;
            return fail(error());
        }
        if (line_->not_reading) return Written::not_at_all;
        line_->sent.emplace_back(bytes.begin(), bytes.end());
        return Written::whole;
    }
    std::vector<std::uint8_t> read_all() override { return std::exchange(line_->inbox, {}); }
    std::size_t bytes_waiting() const override { return line_->waiting; }
    void clear_input() override {
        line_->waiting = 0;
        ++line_->cleared;
    }
    bool lost() const override { return line_->lost; }
    std::string error() const override { return "unplugged"; }

private:
    std::string device_;
    std::shared_ptr<FakeLine> line_;
};

// Devices that exist, each with its line; any other path fails to open.
class FakeOpener : public PortOpener {
public:
    explicit FakeOpener(std::map<std::string, std::shared_ptr<FakeLine>> lines) : lines_(std::move(lines)) {}
    Result<std::unique_ptr<Port>> open(const std::string& device) override {
        auto it = lines_.find(device);
        if (it == lines_.end()) return fail("No such file or directory");
        return std::unique_ptr<Port>(std::make_unique<FakePort>(device, it->second));
    }
    std::vector<std::string> list() const override {
        std::vector<std::string> out;
        for (const auto& [k, v] : lines_) out.push_back(k);
        return out;
    }

private:
    std::map<std::string, std::shared_ptr<FakeLine>> lines_;
};

}  // namespace kestrova::test_support
