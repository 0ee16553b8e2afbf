// A control's name as the window knows it (the widget's objectName). Each
// subsystem declares the controls it owns once, in its controls.h, as
// constants of this type; everything else refers to those constants, so a
// misspelt name does not compile.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrova {

class ControlName {
public:
    constexpr explicit ControlName(std::string_view name) : name_(name) {}
    constexpr std::string_view view() const { return name_; }
    std::string str() const { return std::string(name_); }
    friend constexpr bool operator==(ControlName a, ControlName b) { return a.name_ == b.name_; }

private:
    std::string_view name_;
};

// One control per axis, indexed by axis (0 = A).
template <std::size_t N>
using ControlFamily = std::array<ControlName, N>;

}  // namespace kestrova
