// A rig that takes every message and answers nothing: the benchmarks measure
// the program's side of the line, not a serial port.
#pragma once

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "link/port.h"

namespace kestrova::bench {

class NullPort : public Port {
public:
    std::string device() const override { return "/dev/null-rig"; }
    Result<Written> write(std::span<const std::uint8_t> bytes) override {
        benchmark::DoNotOptimize(bytes.data());
        return Written::whole;
    }
    std::vector<std::uint8_t> read_all() override { return {}; }
    std::size_t bytes_waiting() const override { return 0; }
    void clear_input() override {}
    bool lost() const override { return false; }
};

class NullOpener : public PortOpener {
public:
    Result<std::unique_ptr<Port>> open(const std::string&) override {
        return std::unique_ptr<Port>(std::make_unique<NullPort>());
    }
    std::vector<std::string> list() const override { return {}; }
};

}  // namespace kestrova::bench
