// The same driver, compiled as C++17: the header must suit a C++ firmware as well.
#define FIRMWARE_LANGUAGE cxx17
#include "FirmwareDriver.c"
