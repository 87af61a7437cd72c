#pragma once
#include <string>

// Diagnostic log switch: lines are written only while it is exactly 1.
extern int g_bLogEnabled;

// Appends a time-stamped line to C:\LOG\Veltrane Lumenkit_Config.log.
// mode 1 truncates the file first.
void WriteLog(const std::wstring& message, int mode = 0);

// The line WriteLog stores for `message` at the given local time (no "\n").
std::string FormatLogLine(const std::wstring& message, int h, int m, int s, int ms);
