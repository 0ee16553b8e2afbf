#include "app/qt/run_program.h"

int main(int argc, char** argv) { return kestrova::run_program(argc, argv); }
