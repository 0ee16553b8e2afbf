// What the link keeps between engine steps: whether it is on line, which Comm
// number was picked, and the choices that shape the next message.
#pragma once

#include <cstdint>

namespace kestrova {

struct LinkState {
    bool commsoff = true;          // off line: messages are built, nothing is sent
    int commnum = 1;               // the Comm number last picked, less one
    bool smallversionbit = false;  // the short (5-byte) message form
    bool resetreq = false;         // the next message re-references the controller's counters
    std::uint8_t incontrol = 0;    // marker byte of the next short frame message
};

}  // namespace kestrova
