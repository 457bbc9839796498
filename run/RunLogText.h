// The text of the run log that setup.exe and TAUninstall.exe write: one line
// per event with its time stamp, and the default file name.
#pragma once
#include <cstdint>
#include <string>

struct LogTime {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// "YYYY-MM-DD hh:mm:ss.mmm  event" and CR LF. Line breaks inside the event
// (a message box's text) become " / ", so that every event stays one line.
std::string RunLogLine(const LogTime& time, const std::string& event);

// "Tarvane Setup Log YYYY-MM-DD #NNN.txt", the number at least three digits.
std::string DefaultRunLogName(const LogTime& date, int number);

// A result code as Windows documents it: "0x80004005", eight hex digits.
std::string ResultCodeText(uint32_t code);

// The programs' version, as their version resources give it.
extern const char ProgramVersionText[];
