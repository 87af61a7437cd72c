#include "controls/BitmapBtn2.h"
#include "controls/ControlSupport.h"

CBitmapBtn2::~CBitmapBtn2() { DestroyWindow(); }

void CBitmapBtn2::SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable, const RECT& rc) {
    if (!m_hWnd) return;
    {
        CClientDC dc(m_hWnd);
        const HBITMAP src[PictureSet::Count] = {normal, over, down, disable};
        for (int i = 0; i < PictureSet::Count; ++i) CopyBitmapRect(m_bmpState[i], dc, src[i], rc);
    }
    ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
    m_bHover = 0;
}

void CBitmapBtn2::SetCheck(int checked) {
    if (checked == m_bChecked) return;
    m_bChecked = checked;
    Invalidate();
}

void CBitmapBtn2::SetText(const std::wstring& text, int align) {
    m_strText = text;
    m_nTextAlign = align;
    Invalidate();
}

BOOL CBitmapBtn2::PreTranslateMessage(MSG* msg) {
    RelayToTooltip(m_ToolTip, m_hWnd, msg);
    return CButton::PreTranslateMessage(msg);
}

void CBitmapBtn2::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    MakeOwnerDrawButton(*this);
    // Paint with a DC of our own, never the parent's.
    ::SetClassLongPtrW(m_hWnd, GCL_STYLE, ::GetClassLongPtrW(m_hWnd, GCL_STYLE) & ~(LONG_PTR)CS_PARENTDC);
}

LRESULT CBitmapBtn2::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    auto entering = [this] {
        ::PostMessageW(GetParent(), WM_LK_BUTTON_ENTER, ::GetDlgCtrlID(m_hWnd), (LPARAM)m_hWnd);
    };
    if (HandleButtonHover(*this, m_bHover, msg, wParam, lParam, result, entering)) return result;
    switch (msg) {
    case WM_LBUTTONUP:
        // The second press of a double-click has been reported already.
        if (Now() - m_dwLastClick > 500) {
            m_dwLastClick = Now();
            ReportButton(m_hWnd, BN_CLICKED);
        }
        DropPushedLook(m_hWnd);
        return 0;
    case WM_LBUTTONDBLCLK:
        ReportDoubleClick(m_hWnd, Now(), m_dwLastClick);
        return 0;
    case WM_SETCURSOR:
        return TRUE;
    case WM_ERASEBKGND:
        return 0;
    default:
        return CButton::WindowProc(msg, wParam, lParam);
    }
}

void CBitmapBtn2::DrawItem(LPDRAWITEMSTRUCT dis) {
    const RECT client = GetClientRect();
    BlitBitmap(dis->hDC, 0, 0, client.right, client.bottom,
               m_bmpState[m_bChecked ? PictureSet::Down : PictureSet::Normal]);
}
