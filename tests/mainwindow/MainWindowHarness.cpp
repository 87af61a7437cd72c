#include "MainWindowHarness.h"
#include "app/ModuleDir.h"
#include "devices/AgentLink.h"
#include <gtest/gtest.h>
#include <cwchar>

namespace lktest {

FakeAgent::FakeAgent() {
    CreateEx(0, nullptr, kAgentTitle, WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0);
}

LRESULT FakeAgent::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_AGENT_RELOAD) {
        ++reloads;
        return 1;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

namespace {
// The stand-in exists before any main window and outlives them all.
struct AgentEnvironment : ::testing::Environment {
    std::unique_ptr<FakeAgent> agent;
    void SetUp() override { agent = std::make_unique<FakeAgent>(); }
    void TearDown() override { agent.reset(); }
};
AgentEnvironment* const g_agentEnv =
    static_cast<AgentEnvironment*>(::testing::AddGlobalTestEnvironment(new AgentEnvironment));
}  // namespace

FakeAgent& Agent() { return *g_agentEnv->agent; }

std::unique_ptr<CTEcfgDlg> OpenMainWindow(const std::wstring& dir) {
    wcsncpy(g_szModuleDir, dir.c_str(), 259);
    g_szModuleDir[259] = L'\0';
    wchar_t cwd[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, cwd);
    auto dlg = std::make_unique<CTEcfgDlg>();
    dlg->m_configPath = L"";
    const BOOL created = dlg->Create(nullptr);
    ::SetCurrentDirectoryW(cwd);  // creation moves it to the program folder
    if (!created) return nullptr;
    ::ShowWindow(dlg->m_hWnd, SW_SHOW);
    ::SetForegroundWindow(dlg->m_hWnd);
    PumpMessages();
    return dlg;
}

void PumpLikeModal(CTEcfgDlg& dlg) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (dlg.m_hWnd && CWnd::WalkPreTranslateTree(dlg.m_hWnd, &msg)) continue;
        if (dlg.m_hWnd && ::IsDialogMessageW(dlg.m_hWnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool Shown(HWND wnd) { return (::GetWindowLongPtrW(wnd, GWL_STYLE) & WS_VISIBLE) != 0; }

RECT RectInParent(HWND wnd) {
    RECT rc{};
    ::GetWindowRect(wnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(wnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

}  // namespace lktest
