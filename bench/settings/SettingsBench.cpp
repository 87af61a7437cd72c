// Times a full save (what every apply costs) and a full load of the settings
// file, and prints the file's size.
#include "settings/Settings.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

const int kRuns = 50;

double Now() {
    static LARGE_INTEGER freq = [] { LARGE_INTEGER f; ::QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)freq.QuadPart;
}

void Report(const char* what, const std::function<void()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const double t0 = Now();
        run();
        ms.push_back(Now() - t0);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %8.2f ms   min %8.2f   max %8.2f   (%d runs)\n", what, ms[kRuns / 2], ms.front(),
                ms.back(), kRuns);
}

// Non-default values everywhere, so every record carries real digits.
LEDSETTING FullSetting() {
    LEDSETTING s;
    ResetSettings(s);
    ApplyFirstRunDefaults(s);
    int k = 0;
    for (PROFILEINFO& p : s.profiles)
        for (PROFILEHALF& h : p.halves)
            for (EFFECTINFO& e : h.effects) {
                e.nEffect = 1 + k % 14;
                e.nSpeed = k % 5 - 2;
                e.nDirection = k % 2;
                for (COLORREF& c : e.clrColours) {
                    c = RGB(k * 7, k * 13, k * 29);
                    ++k;
                }
            }
    return s;
}

}  // namespace

int main() {
    wchar_t tmp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, tmp);
    const std::wstring path = std::wstring(tmp) + L"lk-bench-config";
    ::DeleteFileW(path.c_str());

    const LEDSETTING full = FullSetting();
    Report("SaveSettings (full file)", [&] { SaveSettings(full, path); });
    LEDSETTING loaded{};
    Report("LoadSettings", [&] { LoadSettings(loaded, path); });

    WIN32_FILE_ATTRIBUTE_DATA fa{};
    ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &fa);
    std::printf("settings file size           %lu bytes; load %s the save\n", fa.nFileSizeLow,
                std::memcmp(&loaded, &full, sizeof full) == 0 ? "matches" : "DIFFERS FROM");
    ::DeleteFileW(path.c_str());
    return 0;
}
