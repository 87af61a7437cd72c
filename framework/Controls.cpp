#include "framework/Controls.h"

BOOL CToolTipCtrl::Create(HWND parent, DWORD style) {
    static bool initialised = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)initialised;
    RECT rc{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    if (!CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | style, rc, parent, 0))
        return FALSE;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(HWND tool, const std::wstring& text, const RECT& rc, UINT_PTR id) {
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = 0;  // messages arrive through TTM_RELAYEVENT
    ti.hwnd = tool;
    ti.uId = id;
    ti.rect = rc;
    ti.hinst = AfxGetInstanceHandle();
    ti.lpszText = const_cast<LPWSTR>(text.c_str());
    return (BOOL)SendMessage(TTM_ADDTOOLW, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(const std::wstring& text, HWND tool, UINT_PTR id) {
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = tool;
    ti.uId = id;
    ti.hinst = AfxGetInstanceHandle();
    ti.lpszText = const_cast<LPWSTR>(text.c_str());
    SendMessage(TTM_UPDATETIPTEXTW, 0, (LPARAM)&ti);
}
