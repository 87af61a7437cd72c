// The configurator and the stand-in agent as separate programs, talking by
// window messages; and the reload notice from this process.
#include "devices/AgentLink.h"
#include "standins/agent/AgentSettings.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <sstream>
#include <thread>

using lktest::ExitCode;
using lktest::Exited;
using lktest::WaitFor;
using lktest::WaitForWindow;
using lktest::WindowsTitled;

namespace {

std::wstring ConfigExe() { return lktest::DistDir() + L"LumenkitConfig.exe"; }
std::wstring AgentExe() { return lktest::DistDir() + L"hid.exe"; }

DWORD RunAgentSwitch(const wchar_t* sw) { return ExitCode(lktest::StartProcess(AgentExe(), sw)); }

int ProcessesNamed(const wchar_t* name) {
    int n = 0;
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof pe;
    for (BOOL ok = ::Process32FirstW(snap, &pe); ok; ok = ::Process32NextW(snap, &pe))
        if (_wcsicmp(pe.szExeFile, name) == 0) ++n;
    ::CloseHandle(snap);
    return n;
}

// Asks a window of another process to go and makes sure its process has ended.
void EndWindowProcess(HWND w, UINT msg, WPARAM wParam) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    if (!pid || pid == ::GetCurrentProcessId()) return;
    HANDLE p = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    ::PostMessageW(w, msg, wParam, 0);
    if (p && !WaitFor([&] { return Exited(p); }, 10000)) ::TerminateProcess(p, 1);
    if (p) ::CloseHandle(p);
}

class AgentLink : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WindowsTitled(kConfigTitle).empty()) << "a configurator is already running";
        ASSERT_TRUE(WindowsTitled(kAgentTitle).empty()) << "an agent is already running";
        ::SetEnvironmentVariableW(L"LK_AGENT_JOURNAL", m_dir.file(L"journal.txt").c_str());
        m_settings = SettingsFilePath();
        m_hadSettings = lktest::FileExists(m_settings);
        m_settingsBytes = lktest::ReadFileBytes(m_settings);
    }
    void TearDown() override {
        for (HWND w : WindowsTitled(kConfigTitle)) EndWindowProcess(w, WM_AGENT_CLOSE, kCloseRequest1);
        for (HWND w : WindowsTitled(kAgentTitle)) EndWindowProcess(w, WM_CLOSE, 0);
        ::SetEnvironmentVariableW(L"LK_AGENT_JOURNAL", nullptr);
        if (m_hadSettings) lktest::WriteFileBytes(m_settings, m_settingsBytes);
        else ::DeleteFileW(m_settings.c_str());
    }
    bool SettingsUnchanged() const {
        return lktest::FileExists(m_settings) == m_hadSettings && lktest::ReadFileBytes(m_settings) == m_settingsBytes;
    }
    // Journal events of one kind ("start", "duplicate", "reload"), without their time stamps.
    std::vector<std::string> Journal(const std::string& event) const {
        std::vector<std::string> found;
        std::istringstream in(lktest::ReadFileBytes(m_dir.file(L"journal.txt")));
        for (std::string line; std::getline(in, line);) {
            if (line.size() > 24 && line.compare(24, event.size() + 1, event + " ") == 0) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                found.push_back(line.substr(24));
            }
        }
        return found;
    }

    lktest::TempDir m_dir;
    std::wstring m_settings;
    bool m_hadSettings = false;
    std::string m_settingsBytes;
};

}  // namespace

TEST_F(AgentLink, StartsTheAgentOnlyWhenNoneRuns) {
    HANDLE config = lktest::StartProcess(ConfigExe());
    ASSERT_NE(WaitForWindow(kConfigTitle), nullptr);
    ASSERT_NE(WaitForWindow(kAgentTitle), nullptr);
    auto starts = Journal("start");
    ASSERT_EQ(starts.size(), 1u) << lktest::ReadFileBytes(m_dir.file(L"journal.txt"));
    // Started in the program folder.
    wchar_t dist[MAX_PATH];
    ::GetFullPathNameW(lktest::DistDir().c_str(), MAX_PATH, dist, nullptr);
    std::wstring wdist = dist;
    while (!wdist.empty() && wdist.back() == L'\\') wdist.pop_back();
    std::string expected(wdist.begin(), wdist.end());
    const std::string& line = starts.front();
    std::string dir = line.substr(line.find(" dir=") + 5);
    while (!dir.empty() && dir.back() == '\\') dir.pop_back();
    EXPECT_EQ(_stricmp(dir.c_str(), expected.c_str()), 0) << dir;

    EXPECT_EQ(RunAgentSwitch(L"/close"), 1u);
    EXPECT_EQ(ExitCode(config), 0u);
    // The stand-in leaves with the program that started it.
    ASSERT_TRUE(WaitFor([] { return WindowsTitled(kAgentTitle).empty(); }, 15000));

    HANDLE agent = lktest::StartProcess(AgentExe());
    ASSERT_NE(WaitForWindow(kAgentTitle), nullptr);
    config = lktest::StartProcess(ConfigExe());
    ASSERT_NE(WaitForWindow(kConfigTitle), nullptr);
    // The title is set after creation: had a second agent been launched, it
    // would be listed now or have journalled its exit already.
    EXPECT_EQ(ProcessesNamed(L"hid.exe"), 1);
    EXPECT_TRUE(Journal("duplicate").empty());
    EXPECT_EQ(Journal("start").size(), 2u);
    EXPECT_EQ(RunAgentSwitch(L"/close=1626"), 1u);
    EXPECT_EQ(ExitCode(config), 0u);
    EXPECT_FALSE(Exited(agent));
    ::CloseHandle(agent);
    EXPECT_TRUE(SettingsUnchanged());
}

namespace {
// A window of another program that the close request must close first.
struct OtherWindow {
    explicit OtherWindow(const wchar_t* title, std::vector<std::wstring>* closed) : m_title(title), m_closed(closed) {
        static bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                if (m == WM_CLOSE) {
                    auto* self = (OtherWindow*)::GetWindowLongPtrW(h, GWLP_USERDATA);
                    self->m_closed->push_back(self->m_title);
                }
                return ::DefWindowProcW(h, m, w, l);
            };
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"LkTestOtherWindow";
            return ::RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        m_hwnd = ::CreateWindowExW(0, L"LkTestOtherWindow", title, WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, (LONG_PTR)this);
    }
    ~OtherWindow() {
        if (::IsWindow(m_hwnd)) ::DestroyWindow(m_hwnd);
    }
    std::wstring m_title;
    std::vector<std::wstring>* m_closed;
    HWND m_hwnd = nullptr;
};
}  // namespace

TEST_F(AgentLink, AnswersTheMessagesFromOutside) {
    HANDLE config = lktest::StartProcess(ConfigExe());
    HWND window = WaitForWindow(kConfigTitle);
    ASSERT_NE(window, nullptr);

    struct Case { UINT msg; WPARAM wParam; LPARAM lParam; LRESULT answer; } accepted[] = {
        {WM_AGENT_CLOSE, 5, 0, 1},  // not a close request
        {WM_AGENT_CLOSE, 1624, 0, 1},
        {WM_AGENT_QUERY, 0, 0, 1},
        {WM_AGENT_NOTE1, 0, 77, 0},
        {WM_AGENT_NOTE2, 0, 0, 0},
    };
    for (const Case& c : accepted) {
        DWORD_PTR answer = 99;
        ASSERT_NE(::SendMessageTimeoutW(window, c.msg, c.wParam, c.lParam, SMTO_ABORTIFHUNG, 5000, &answer), 0);
        EXPECT_EQ(answer, (DWORD_PTR)c.answer) << c.msg << "/" << c.wParam;
        EXPECT_TRUE(::IsWindow(window));
        EXPECT_FALSE(Exited(config));
    }
    EXPECT_EQ(RunAgentSwitch(L"/query"), 1u);

    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return ::IsIconic(window) != 0; }, 5000));
    EXPECT_EQ(RunAgentSwitch(L"/show"), 0u);
    EXPECT_TRUE(WaitFor([&] { return !::IsIconic(window) && ::IsWindowVisible(window); }, 5000));

    // Close request: the two other windows are closed first, in this order.
    std::vector<std::wstring> closed;
    OtherWindow preference(kPreferenceTitle, &closed), warning(kWarningTitle, &closed);
    EXPECT_EQ(RunAgentSwitch(L"/close"), 1u);
    EXPECT_EQ(closed, (std::vector<std::wstring>{kWarningTitle, kPreferenceTitle}));
    EXPECT_EQ(ExitCode(config), 0u);
    EXPECT_TRUE(SettingsUnchanged());
    EXPECT_EQ(RunAgentSwitch(L"/close"), 254u);  // nobody left to ask
}

TEST_F(AgentLink, NotifyWaitsForTheAgentButNotForever) {
    EXPECT_FALSE(NotifyAgent());  // no agent: nothing is sent

    // A settings file the agent must read to the letter, one record failing its check.
    const std::wstring f = m_settings;
    ::DeleteFileW(f.c_str());  // restored afterwards
    ::WritePrivateProfileStringW(L"Setting", L"CurrentProfile", L"2", f.c_str());
    ::WritePrivateProfileStringW(L"Setting", L"sync_sw", L"1", f.c_str());
    ::WritePrivateProfileStringW(L"Setting", L"razer_sw", L"0", f.c_str());
    ::WritePrivateProfileStringW(L"Profile2Setting", L"Synchronize", L"0", f.c_str());
    ::WritePrivateProfileStringW(L"Profile2Setting", L"DevNum", L"1", f.c_str());
    AgentEffect e{7, 1, 8, 0, {0x0000FF, 0x00FF00, 0xFF0000, 0, 0, 0, 0, 0x7D007D}, -1, 1};
    ::WritePrivateProfileStructW(L"Profile2Setting", L"EffectInfo1", &e, sizeof e, f.c_str());
    ::WritePrivateProfileStructW(L"Profile0Setting", L"EffectInfo3", &e, sizeof e, f.c_str());
    wchar_t text[200] = {};
    ::GetPrivateProfileStringW(L"Profile0Setting", L"EffectInfo3", L"", text, 200, f.c_str());
    text[1] = text[1] == L'7' ? L'8' : L'7';
    ::WritePrivateProfileStringW(L"Profile0Setting", L"EffectInfo3", text, f.c_str());

    HANDLE agent = lktest::StartProcess(AgentExe());
    ASSERT_NE(WaitForWindow(kAgentTitle), nullptr);
    EXPECT_TRUE(Journal("reload").empty());
    ASSERT_TRUE(NotifyAgent());
    // Synchronous: the agent has read the file by the time the call returns.
    auto reloads = Journal("reload");
    ASSERT_EQ(reloads.size(), 1u);
    EXPECT_EQ(reloads[0],
              "reload profile=2 led=1 audio=0 sync=1 razer=0 lan=0 synchronize=0 devnum=1 "
              "bad=Profile0Setting/EffectInfo3 missing=135 music=bad fx0=bad "
              "fx1=7,1,8,0,-1,1:0000FF,00FF00,FF0000,000000,000000,000000,000000,7D007D");
    EndWindowProcess(WindowsTitled(kAgentTitle).front(), WM_CLOSE, 0);
    EXPECT_EQ(ExitCode(agent), 0u);

    // An agent window that never answers is given up on within the bound.
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND hung = nullptr;
    std::thread stuck([&] {
        hung = ::CreateWindowExW(0, L"STATIC", kAgentTitle, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
        ::WaitForSingleObject(release, INFINITE);  // never looks at its messages
        ::DestroyWindow(hung);
    });
    // Found without asking the window anything: it would not answer.
    ASSERT_TRUE(WaitFor([&] { return ::FindWindowW(nullptr, kAgentTitle) != nullptr; }, 5000));
    ULONGLONG start = ::GetTickCount64();
    EXPECT_FALSE(NotifyAgent());
    ULONGLONG took = ::GetTickCount64() - start;
    EXPECT_LT(took, kAgentReplyTimeoutMs + 3000ull);
    ::SetEvent(release);
    stuck.join();
    ::CloseHandle(release);
}
