#include "mainwindow/TEcfgDlg.h"
#include "app/ModuleDir.h"
#include "devices/AgentLink.h"
#include "res/resource.h"

CTEcfgDlg::CTEcfgDlg() : CDialog(IDD_TECFG_DIALOG) {
    m_hIcon = ::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

CTEcfgDlg::~CTEcfgDlg() = default;

BOOL CTEcfgDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(L"Veltrane Lumenkit_Config");
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    return TRUE;
}

LRESULT CTEcfgDlg::OnCreate(LPCREATESTRUCTW) {
    if (Default() == -1) return -1;
    m_deviceFinder.Discover();
    ::Sleep(500);
    m_state.SetDeviceKinds(m_deviceFinder.Devices(0));
    m_state.SetAgentNotifier([] { NotifyAgent(); });
    StartAgentIfAbsent(g_szModuleDir);
    ::SetCurrentDirectoryW(g_szModuleDir);
    return 0;
}

LRESULT CTEcfgDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_QUERYDRAGICON) return (LRESULT)m_hIcon;
    if (msg == WM_CREATE) return OnCreate((LPCREATESTRUCTW)lParam);
    LRESULT result = 0;
    if (HandleAgentMessage(m_hWnd, msg, wParam, lParam, [this] { EndDialog(1); }, result)) return result;
    return CDialog::WindowProc(msg, wParam, lParam);
}
