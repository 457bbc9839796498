// The system's text for an error code, without its line end.
#pragma once
#include <string>

std::string SystemErrorText(unsigned long error);
