#include "framework/WinApp.h"

static CWinApp* s_app = nullptr;

CWinApp* AfxGetApp() { return s_app; }

CWinApp::CWinApp() { s_app = this; }
CWinApp::~CWinApp() { if (s_app == this) s_app = nullptr; }

int CWinApp::ExitInstance() { return m_nQuitCode; }

int CWinApp::Run() {
    if (!m_pMainWnd || !m_pMainWnd->m_hWnd) ::PostQuitMessage(0);
    MSG msg;
    BOOL got;
    while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) break;
        if (CWnd::WalkPreTranslateTree(nullptr, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    m_nQuitCode = got == 0 ? (int)msg.wParam : 0;
    return ExitInstance();
}

int CWinApp::WinMainRun(CWinApp* app) {
    if (!app) return 0;
    try {
        if (!app->InitInstance()) return app->ExitInstance();
        return app->Run();
    } catch (...) {
        return 1;
    }
}
