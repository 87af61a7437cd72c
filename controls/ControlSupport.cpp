#include "controls/ControlSupport.h"
#include "skin/Picture.h"

HoverChange TrackHover(HWND wnd, int& hover, WPARAM keys, POINT pt, const std::function<void()>& entering) {
    if ((keys & MK_LBUTTON) && !hover) return HoverChange::None;
    if (::GetCapture() != wnd && ::GetActiveWindow() && ::GetParent(wnd)) {
        if (!hover) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, wnd, 0};
            ::TrackMouseEvent(&tme);
        }
        hover = 1;
        if (entering) entering();
        ::SetCapture(wnd);
        return HoverChange::Entered;
    }
    ::ClientToScreen(wnd, &pt);
    HWND under = ::WindowFromPoint(pt);
    if (!under || under == wnd) return HoverChange::None;
    HoverChange change = HoverChange::None;
    if (hover) {
        hover = 0;
        change = HoverChange::Left;
    }
    if (!(keys & MK_LBUTTON)) ::ReleaseCapture();
    return change;
}

bool HandleButtonHover(CWnd& button, int& hover, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                       const std::function<void()>& entering) {
    switch (msg) {
    case WM_MOUSEMOVE:
        button.Default();
        if (TrackHover(button, hover, wParam, MousePoint(lParam), entering) != HoverChange::None) button.Invalidate();
        result = 0;
        return true;
    case WM_MOUSELEAVE:
        hover = 0;
        button.Invalidate();
        result = 0;
        return true;
    case WM_KILLFOCUS:
        result = button.Default();
        hover = 0;
        button.Invalidate();
        return true;
    case WM_CAPTURECHANGED:
        // Only our own capture: by now another window may hold it.
        if (hover) {
            if (::GetCapture() == button.m_hWnd) ::ReleaseCapture();
            button.Invalidate();
        }
        result = button.Default();
        return true;
    default:
        return false;
    }
}

void ReportDoubleClick(HWND button, DWORD now, DWORD& lastClick) {
    if (now == lastClick) return;
    lastClick = now;
    ReportButton(button, BN_DOUBLECLICKED);
}

bool HandleSelfPaint(CWnd& wnd, UINT msg, WPARAM wParam, int& enabled, const std::function<void(HDC)>& paint,
                     LRESULT& result) {
    switch (msg) {
    case WM_ENABLE:
        result = wnd.Default();
        enabled = wParam ? 1 : 0;
        wnd.Invalidate();
        return true;
    case WM_ERASEBKGND:
        result = TRUE;
        return true;
    case WM_PAINT: {
        CPaintDC dc(wnd);
        paint(dc);
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        paint((HDC)wParam);
        result = 0;
        return true;
    default:
        return false;
    }
}

void ReportButton(HWND button, WORD code) {
    ::SendMessageW(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), code), (LPARAM)button);
}

void MakeOwnerDrawButton(CWnd& button) {
    DWORD style = button.GetStyle();
    button.SendMessage(BM_SETSTYLE, (style & 0xFFFF) | BS_OWNERDRAW, TRUE);
    button.ModifyStyle(WS_TABSTOP, 0);
}

void DropPushedLook(HWND button) {
    if (::IsWindow(button) && (::SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED))
        ::SendMessageW(button, BM_SETSTATE, FALSE, 0);
}

void EnsureTooltip(CToolTipCtrl& tip, HWND owner) {
    if (tip.m_hWnd) return;
    tip.Create(owner, 0);
    tip.Activate(FALSE);
}

void RelayToTooltip(CToolTipCtrl& tip, HWND owner, MSG* msg) {
    EnsureTooltip(tip, owner);
    tip.RelayEvent(msg);
}

HFONT CreateSkinFont(int height, int weight, BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchFamily) {
    return ::CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, outPrecision, clipPrecision,
                         quality, pitchFamily, SkinFontFace().c_str());
}
