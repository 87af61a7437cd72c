// Stand-in lighting agent: answers the configurator's reload message by
// reading the settings file, journals what it read, and previews every
// simulated device as a strip of LEDs.
//
// Switches, for tests: /close[=wParam] sends 0x658 (default 1625), /show 4000,
// /query 0x414 to the configurator's window and exit with its answer
// (254: no such window, 253: no answer). Such a run is not an agent.
//
// The agent lives as long as the program that started it, so test and demo
// runs leave none behind.
#include "devices/AgentLink.h"
#include "devices/DeviceFinder.h"
#include "standins/agent/AgentSettings.h"
#include "standins/agent/Effects.h"
#include <shellapi.h>
#include <tlhelp32.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT kFrameMs = 34;  // just under 30 frames a second
constexpr int kWidth = 420, kHeader = 30, kRow = 44, kLed = 18;

struct Strip {
    std::wstring name;
    int nLeds = 0;
    StripState state;
};

struct Agent {
    HWND hwnd = nullptr;
    std::vector<Strip> strips;
    AgentSnapshot snapshot;
    ULONGLONG startTick = 0;
    bool timerOn = false;
} g;

std::wstring Widen(const std::string& s) {
    std::wstring w(s.size(), L'\0');
    int n = ::MultiByteToWideChar(CP_ACP, 0, s.data(), (int)s.size(), w.data(), (int)w.size());
    w.resize(n > 0 ? n : 0);
    return w;
}

void LoadDevices() {
    CDeviceFinder finder;
    finder.Discover();
    int index = 0;
    for (const DEVICEINFO& d : finder.Devices(0)) {
        Strip s;
        ++index;
        s.name = d.descs.empty() || d.descs[0].strName.empty() ? L"Device " + std::to_wstring(index)
                                                                 : Widen(d.descs[0].strName);
        s.nLeds = d.LedCount() < 0 ? 0 : d.LedCount() > 64 ? 64 : d.LedCount();
        g.strips.push_back(std::move(s));
    }
}

// Applies the snapshot to the strips: record 0 for all devices together, or record n for device n.
void ApplySnapshot() {
    const AgentSnapshot& s = g.snapshot;
    for (size_t d = 0; d < g.strips.size(); ++d) {
        StripState& st = g.strips[d].state;
        st = StripState{};
        if (!s.bFileExists) continue;
        size_t record = s.bSynchronize ? 0 : d + 1;
        st.bLedOn = s.bLedOn != 0;
        st.bMusic = s.bAudio != 0;
        st.bSync = s.bSync != 0;
        if (st.bMusic && s.bMusicOk) {
            std::copy(std::begin(s.music.clrColours), std::end(s.music.clrColours), st.colours);
            st.nColours = s.music.bSameColour ? 1 : 8;
            continue;
        }
        if (record > 16 || !s.bEffectOk[record]) {
            st.nEffect = 0;
            continue;
        }
        const AgentEffect& e = s.effects[record];
        st.nEffect = e.nEffect;
        std::copy(std::begin(e.clrColours), std::end(e.clrColours), st.colours);
        st.nColours = e.bSameColour ? 1 : e.nLedCount;
        st.nSpeed = e.nSpeed;
        st.nDirection = e.nDirection;
    }
}

void UpdateTimer() {
    bool animate = false;
    for (const Strip& s : g.strips) animate = animate || StripAnimates(s.state);
    if (animate && !g.timerOn) ::SetTimer(g.hwnd, kFrameTimer, kFrameMs, nullptr);
    if (!animate && g.timerOn) ::KillTimer(g.hwnd, kFrameTimer);
    g.timerOn = animate;
}

void Reload() {
    g.snapshot = ReadSnapshot(SettingsFilePath());
    AppendJournal(JournalReloadText(g.snapshot));
    ApplySnapshot();
    g.startTick = ::GetTickCount64();
    UpdateTimer();
    ::InvalidateRect(g.hwnd, nullptr, FALSE);
}

std::wstring Caption(const StripState& s) {
    if (!g.snapshot.bFileExists) return L"no settings";
    if (!s.bLedOn) return L"off";
    if (s.bSync) return L"sync";
    if (s.bMusic) return L"music";
    const EffectLook* look = FindEffectLook(s.nEffect);
    return look ? Widen(look->name) : L"effect " + std::to_wstring(s.nEffect);
}

void Paint(HDC screen, const RECT& rc) {
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ oldBmp = ::SelectObject(dc, bmp);
    HBRUSH back = ::CreateSolidBrush(RGB(24, 24, 28));
    ::FillRect(dc, &rc, back);
    ::DeleteObject(back);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(220, 220, 225));
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    const double seconds = (::GetTickCount64() - g.startTick) / 1000.0;
    std::wstring head = g.snapshot.bFileExists ? L"Profile " + std::to_wstring(g.snapshot.nProfile + 1)
                                               : L"Waiting for settings";
    if (g.strips.empty()) head += L"  -  no devices";
    ::TextOutW(dc, 10, 8, head.c_str(), (int)head.size());
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    for (size_t d = 0; d < g.strips.size(); ++d) {
        const Strip& s = g.strips[d];
        const int top = kHeader + (int)d * kRow;
        std::wstring label = s.name + L"  -  " + Caption(s.state);
        ::TextOutW(dc, 10, top, label.c_str(), (int)label.size());
        const int step = s.nLeds > 0 ? ((kWidth - 20) / s.nLeds < kLed + 4 ? (kWidth - 20) / s.nLeds : kLed + 4) : 0;
        for (int i = 0; i < s.nLeds; ++i) {
            HBRUSH led = ::CreateSolidBrush(StripLedColour(s.state, i, s.nLeds, seconds));
            HGDIOBJ oldBrush = ::SelectObject(dc, led);
            const int x = 10 + i * step, y = top + 18;
            ::Ellipse(dc, x, y, x + step - 3, y + step - 3 < y + kLed ? y + step - 3 : y + kLed);
            ::SelectObject(dc, oldBrush);
            ::DeleteObject(led);
        }
    }
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldFont);
    ::BitBlt(screen, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldBmp);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
}

LRESULT CALLBACK AgentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_AGENT_RELOAD:
        Reload();
        return 1;
    case WM_TIMER:
        if (wParam == kFrameTimer) ::InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        Paint(dc, rc);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The program that started this one, if it still runs; null otherwise.
HANDLE OpenStarter() {
    DWORD self = ::GetCurrentProcessId(), parent = 0;
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return nullptr;
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof pe;
    for (BOOL ok = ::Process32FirstW(snap, &pe); ok; ok = ::Process32NextW(snap, &pe))
        if (pe.th32ProcessID == self) parent = pe.th32ParentProcessID;
    ::CloseHandle(snap);
    if (!parent) return nullptr;
    HANDLE h = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parent);
    if (!h) return nullptr;
    // A reused id belongs to a process younger than us: not our starter.
    FILETIME theirs[4], ours[4];
    if (!::GetProcessTimes(h, &theirs[0], &theirs[1], &theirs[2], &theirs[3]) ||
        !::GetProcessTimes(::GetCurrentProcess(), &ours[0], &ours[1], &ours[2], &ours[3]) ||
        ::CompareFileTime(&theirs[0], &ours[0]) > 0) {
        ::CloseHandle(h);
        return nullptr;
    }
    return h;
}

int SendToConfigurator(UINT msg, WPARAM wParam) {
    HWND config = ::FindWindowW(nullptr, kConfigTitle);
    if (!config) return 254;
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(config, msg, wParam, 0, SMTO_ABORTIFHUNG, kAgentReplyTimeoutMs, &answer)) return 253;
    return (int)(answer & 0xFF);
}

// -1 when the command line asks for no message.
int RunSwitches() {
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    int result = -1;
    for (int i = 1; argv && i < argc && result < 0; ++i) {
        std::wstring a = argv[i];
        if (a == L"/close" || a.rfind(L"/close=", 0) == 0)
            result = SendToConfigurator(WM_AGENT_CLOSE, a.size() > 7 ? (WPARAM)_wtoi(a.c_str() + 7) : kCloseRequest1);
        else if (a == L"/show")
            result = SendToConfigurator(WM_AGENT_SHOW, 0);
        else if (a == L"/query")
            result = SendToConfigurator(WM_AGENT_QUERY, 0);
    }
    ::LocalFree(argv);
    return result;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    if (int sent = RunSwitches(); sent >= 0) return sent;

    char pid[32];
    snprintf(pid, sizeof pid, "pid=%lu", ::GetCurrentProcessId());
    HANDLE single = ::CreateMutexW(nullptr, FALSE, kAgentTitle);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        AppendJournal(std::string("duplicate ") + pid);
        ::CloseHandle(single);
        return 0;
    }
    wchar_t cwd[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, cwd);
    std::string dir;
    for (const wchar_t* c = cwd; *c; ++c) dir += (*c >= 32 && *c < 127) ? (char)*c : '?';
    AppendJournal(std::string("start ") + pid + " dir=" + dir);

    LoadDevices();
    WNDCLASSW wc{};
    wc.lpfnWndProc = AgentProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"LumenkitAgentPreview";
    ::RegisterClassW(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT rc{0, 0, kWidth, kHeader + (int)(g.strips.empty() ? 1 : g.strips.size()) * kRow};
    ::AdjustWindowRect(&rc, style, FALSE);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    // Bottom right, out of the configurator's way.
    g.hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, kAgentTitle, style, work.right - w - 8,
                               work.bottom - h - 8, w, h, nullptr, nullptr, instance, nullptr);
    if (!g.hwnd) return 1;
    g.snapshot = ReadSnapshot(SettingsFilePath());
    ApplySnapshot();
    g.startTick = ::GetTickCount64();
    UpdateTimer();
    ::ShowWindow(g.hwnd, SW_SHOWNOACTIVATE);

    HANDLE starter = OpenStarter();
    MSG msg;
    for (;;) {
        DWORD r = ::MsgWaitForMultipleObjects(starter ? 1 : 0, &starter, FALSE, INFINITE, QS_ALLINPUT);
        if (starter && r == WAIT_OBJECT_0) {
            ::DestroyWindow(g.hwnd);
            ::CloseHandle(starter);
            starter = nullptr;
        }
        bool quit = false;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) quit = true;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (quit) break;
    }
    if (starter) ::CloseHandle(starter);
    ::CloseHandle(single);
    return 0;
}
