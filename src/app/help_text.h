#pragma once

namespace kestrova {

// The help window's instructions for an operator.
extern const char* const help_heading;
extern const char* const help_text;

}  // namespace kestrova
