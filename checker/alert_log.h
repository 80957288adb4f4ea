#pragma once

#include <ctime>
#include <string>

namespace vostrelund {

// The log file: alert lines and outcome lines, appended, CR LF line ends on every platform (the log
// viewer reads the file back as it is).

// "%a %d %b %H:%M" of the local time, with English day and month names whatever the user's locale.
std::string LogStamp(std::time_t when);

// "Alert [stamp]: path - text" and its line end.
std::string AlertLine(std::time_t when, const std::string& path, const std::string& alert);

inline constexpr char kFixedLine[] = " *** FIXED ***\n\n";
inline constexpr char kFixedWithWarningLine[] =
    " *** FIXED *** - WARNING: Not able to fix some files (no backup found)\n\n";
inline constexpr char kAutoIgnoredLine[] = " (Auto ignored)\n\n";
inline constexpr char kIgnoredByUserLine[] = " (Ignored by user)\n\n";

// Appends one entry, each "\n" written as CR LF, creating the file when missing. False when the file
// cannot be opened or written; the caller says nothing of it.
bool AppendToLog(const std::string& path, const std::string& entry);

}  // namespace vostrelund
