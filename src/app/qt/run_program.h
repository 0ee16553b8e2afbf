#pragma once

namespace kestrova {

// Parse the command line, build the App and its window, and run the event loop.
int run_program(int argc, char** argv);

}  // namespace kestrova
