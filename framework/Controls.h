#pragma once
// System controls wrapped by the window layer.
#include "framework/Wnd.h"
#include <commctrl.h>
#include <string>

class CButton : public CWnd {
public:
    BOOL Create(LPCWSTR caption, DWORD style, const RECT& rc, HWND parent, UINT id) {
        return CreateEx(0, L"BUTTON", caption, style, rc, parent, id);
    }
    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
};

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rc, HWND parent, UINT id) {
        return CreateEx(0, L"EDIT", L"", style, rc, parent, id);
    }
    void SetLimitText(UINT n) { SendMessage(EM_SETLIMITTEXT, n); }
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, start, end); }
};

class CToolTipCtrl : public CWnd {
public:
    // A tooltip owned by `parent`; `style` adds to TTS_ALWAYSTIP, without which
// the pop-up menu's rows, never activated, would show no tips.
    BOOL Create(HWND parent, DWORD style = 0);
    BOOL AddTool(HWND tool, const std::wstring& text, const RECT& rc, UINT_PTR id);
    void UpdateTipText(const std::wstring& text, HWND tool, UINT_PTR id);
    void Activate(BOOL on) { SendMessage(TTM_ACTIVATE, on); }
    int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)msg); }
};
