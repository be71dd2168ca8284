#pragma once

#include <QString>

#include <ctime>

namespace platform {

// strftime with the "C" locale whatever the process locale is: the
// designer's Qt start-up switches the C library to the user's locale, yet
// time texts go to templates and the printer and must read the same
// everywhere ("%X" is always "HH:MM:SS", "%x" "mm/dd/yy").
QString FormatCTime(const char* pattern, const std::tm& time);

// The local time now, broken down.
std::tm LocalTimeNow();

} // namespace platform
