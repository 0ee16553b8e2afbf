#pragma once

#include <memory>

#include "link/port.h"

namespace kestrova {

// Opens QSerialPort devices: 115200 baud, 8 data bits, no parity, 1 stop bit,
// no flow control, binary. The first error closes the port and marks it lost.
std::unique_ptr<PortOpener> make_serial_port_opener();

}  // namespace kestrova
