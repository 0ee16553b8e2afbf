#include "link/qt/serial_port.h"

namespace kestrova {

std::unique_ptr<PortOpener> make_serial_port_opener() { return nullptr; }

}  // namespace kestrova
