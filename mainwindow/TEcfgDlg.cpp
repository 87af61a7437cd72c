#include "mainwindow/TEcfgDlg.h"
#include "controls/ControlSupport.h"
#include "app/ModuleDir.h"
#include "devices/AgentLink.h"
#include "res/resource.h"

CTEcfgDlg::CTEcfgDlg() : CDialog(IDD_TECFG_DIALOG) {
    m_hIcon = ::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_state.SetAgentNotifier([] { NotifyAgent(); });
    // Apply, the save before a profile switch and the save on closing all
    // look busy alike.
    m_state.SetSaveFeedback([this](bool busy) {
        if (busy) {
            m_btnApply.EnableWindow(FALSE);
            m_hCursorBeforeSave = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        } else {
            ::SetCursor(m_hCursorBeforeSave);
            m_btnApply.EnableWindow(TRUE);
        }
    });
}

CTEcfgDlg::~CTEcfgDlg() {
    CloseOpenMenu();
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

BOOL CTEcfgDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ModifyStyle(0, WS_MINIMIZEBOX);
    SetWindowText(L"Veltrane Lumenkit_Config");
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    if (m_configPath) m_state.Initialise(*m_configPath);
    else m_state.Initialise();
    LayoutSkin();
    InitDeviceSelection();
    ModifyStyle(0, WS_SYSMENU | 0x00000020);
    // Centre over the owner, or the desktop when there is none.
    RECT rc = GetWindowRect(), area{};
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner) ::GetWindowRect(owner, &area);
    else ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    ::SetWindowPos(m_hWnd, nullptr, area.left + ((area.right - area.left) - w) / 2,
                   area.top + ((area.bottom - area.top) - h) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

LRESULT CTEcfgDlg::OnCreate() {
    if (Default() == -1) return -1;
    m_deviceFinder.Discover();
    ::Sleep(500);
    m_state.SetDeviceKinds(m_deviceFinder.Devices(0));
    StartAgentIfAbsent(g_szModuleDir);
    ::SetCurrentDirectoryW(g_szModuleDir);
    return 0;
}

LRESULT CTEcfgDlg::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MENU_SELECT) OnMenuSelect(HIWORD(lParam));
    return CDialog::DefWindowProc(msg, wParam, lParam);
}

LRESULT CTEcfgDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: return OnCreate();
    case WM_QUERYDRAGICON: return (LRESULT)m_hIcon;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_SLIDER_POS: return OnSliderPos((int)wParam, (int)lParam);
    case WM_LBUTTONDOWN:
        OnLButtonDown(wParam, lParam);
        break;
    case WM_MOUSEMOVE: {
        const POINT pt = MousePoint(lParam);
        m_bOverList = ::PtInRect(&kEffectListArea, pt) != FALSE;
        break;
    }
    case WM_MOUSEWHEEL:
        if (m_bOverList) ::SendMessageW(m_sliderScroll.m_hWnd, WM_MOUSEWHEEL, wParam, lParam);
        CDialog::WindowProc(msg, wParam, lParam);
        return 1;
    default: {
        LRESULT result = 0;
        if (HandleAgentMessage(m_hWnd, msg, wParam, lParam, [this] { EndDialog(1); }, result)) return result;
        break;
    }
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
