#include "app/Log.h"
#include "app/Directories.h"
#include <windows.h>
#include <cstdio>

#ifdef LK_DIAGNOSTIC_LOG
int g_bLogEnabled = 1;
#else
int g_bLogEnabled = 0;
#endif

namespace {
const wchar_t kLogRelative[] = L"LOG\\Veltrane Lumenkit_Config.log";

std::string ToAnsi(const std::wstring& s) {
    if (s.empty()) return {};
    int n = ::WideCharToMultiByte(CP_ACP, 0, s.c_str(), (int)s.size(), nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0) ::WideCharToMultiByte(CP_ACP, 0, s.c_str(), (int)s.size(), out.data(), n, nullptr, nullptr);
    return out;
}
}

std::string FormatLogLine(const std::wstring& message, int h, int m, int s, int ms) {
    wchar_t stamp[64];
    swprintf(stamp, 64, L"%0.2d:%0.2d:%0.2d:%0.3d ::  ", h, m, s, ms);
    return ToAnsi(stamp + message);
}

void WriteLog(const std::wstring& message, int mode) {
    if (g_bLogEnabled != 1) return;
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    std::string line = FormatLogLine(message, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    const std::wstring full = std::wstring(L"C:\\") + kLogRelative;
    if (!PathExists(full)) CreateDriveDir(kLogRelative);
    FILE* f = std::fopen(ToAnsi(full).c_str(), mode == 1 ? "w" : "a");
    if (!f) return;
    std::fputs(line.c_str(), f);
    std::fputs("\n", f);
    std::fclose(f);
}
