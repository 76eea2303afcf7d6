#pragma once

#include <string>

// The program file's name without extension, as set with
// setServiceProgramName (WebModule.h); "zolvo" until then.
std::string serviceProgramName();

inline constexpr const char* htmlContentType = "text/html; charset=\"utf-8\"";
