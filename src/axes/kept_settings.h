// The axis settings that stats.ini has no field for (pulses per unit, the
// unit's name, the enable and the reverse toggles), kept in the program's settings instead as
// key/value texts. Pure functions, so the store stays a thin layer.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "axes/axis_settings.h"
#include "base/result.h"

namespace kestrova {

using KeptAxisText = std::vector<std::pair<std::string, std::string>>;

KeptAxisText encode_kept_axis_settings(const AxisSettings& s);

// `current` with the stored values put in; a key not stored keeps its value.
// A stored value that cannot be read refuses the whole set, naming the key.
Result<AxisSettings> decode_kept_axis_settings(
    const AxisSettings& current, const std::function<std::optional<std::string>(const std::string& key)>& value);

}  // namespace kestrova
