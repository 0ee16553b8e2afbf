// Status-bar and box texts of the move editing commands.
#pragma once

#include <string>

#include "base/numeric.h"

namespace kestrova::move_msg {

inline const std::string fkeys_disabled = "F keys disabled";
inline const std::string fkeys_enabled = "F keys enabled";

inline std::string table_full(int rows) {
    return "Add KeyFrame refused: all " + num::to_text(rows) +
           " keyframe rows are in use; nothing was changed.";
}

inline std::string add_frame_not_valid(int frames) {
    return "Add KeyFrame refused: the frame must be a whole number from 1 to " + num::to_text(frames) +
           "; nothing was changed.";
}

inline std::string delete_frame_not_valid(int frames) {
    return "Del KeyFrame refused: the frame must be a whole number from 1 to " + num::to_text(frames) +
           "; nothing was changed.";
}

inline std::string no_keyframe_at(int frame) {
    return "Del KeyFrame refused: no keyframe at frame " + num::to_text(frame) + "; nothing was changed.";
}

inline std::string frame_has_keyframe(int frame) {
    return "Keyframe edit refused: frame " + num::to_text(frame) + " already has a keyframe; nothing was changed.";
}

inline std::string no_keyframe_row(int row) {
    return "Keyframe edit refused: there is no keyframe row " + num::to_text(row) + "; nothing was changed.";
}

inline const std::string position_out_of_range =
    "Add KeyFrame refused: a present position is beyond the 32-bit range; nothing was changed.";

inline std::string length_not_valid(int kept) {
    return "Total frames refused: the length must be a number of frames from 1 to 32766; the length stays " +
           num::to_text(kept) + ".";
}

inline std::string length_too_long(int kept) {
    return "Total frames refused: a move has at most 32766 frames; the length stays " +
           num::to_text(kept) + ".";
}

}  // namespace kestrova::move_msg
