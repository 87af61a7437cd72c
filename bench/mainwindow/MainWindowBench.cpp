// Times the main window in-process: creation with its first full paint, one
// colour slider step (0x446) with everything it repaints, and a language
// change. Prints medians; never fails.
#include "app/ModuleDir.h"
#include "devices/AgentLink.h"
#include "framework/Wnd.h"
#include "mainwindow/TEcfgDlg.h"
#include <objidl.h>
#include <gdiplus.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void PaintNow(HWND wnd) { ::RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Stands in for the agent, so creating the window starts no agent.
struct QuietAgent : CWnd {
    QuietAgent() { CreateEx(0, nullptr, kAgentTitle, WS_POPUP, RECT{0, 0, 1, 1}, nullptr, 0); }
};
}  // namespace

int main() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    wchar_t exe[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring dist = ModuleDirOf(std::wstring(exe, n)) + L"..\\dist\\";
    wcsncpy(g_szModuleDir, dist.c_str(), 259);
    QuietAgent agent;

    std::vector<double> create, step, language;
    // One window per process, as in the program itself.
    for (int run = 0; run < 1; ++run) {
        auto dlg = std::make_unique<CTEcfgDlg>();
        dlg->m_configPath = L"";
        auto t0 = Clock::now();
        if (!dlg->Create(nullptr)) {
            std::printf("the main window could not be created\n");
            return 1;
        }
        ::ShowWindow(dlg->m_hWnd, SW_SHOW);
        PaintNow(dlg->m_hWnd);
        create.push_back(Ms(t0, Clock::now()));
        Pump();

        for (int i = 0; i < 8; ++i) {
            auto t = Clock::now();
            dlg->OnMenuSelect(16 + (i + 1) % 4);
            PaintNow(dlg->m_hWnd);
            language.push_back(Ms(t, Clock::now()));
        }
        for (int i = 0; i < 100; ++i) {
            auto t = Clock::now();
            ::SendMessageW(dlg->m_hWnd, WM_SLIDER_POS, (i * 37) % 256, kSliderRed);
            PaintNow(dlg->m_hWnd);
            step.push_back(Ms(t, Clock::now()));
        }
        dlg->DestroyWindow();
        Pump();
    }
    std::printf("window creation to first full paint  median %7.1f ms  (one window; includes the 500 ms wait at creation)\n",
                Median(create));
    std::printf("one red slider step (0x446), painted median %7.2f ms  over %zu steps\n", Median(step), step.size());
    std::printf("language change, laid out and painted median %7.1f ms  over %zu changes\n", Median(language),
                language.size());
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
