#include "controls/ClrEdit.h"
#include "skin/Picture.h"

CClrEdit::~CClrEdit() { DestroyWindow(); }

void CClrEdit::SetBkBitmap(HBITMAP picture, const RECT& rc) {
    {
        CClientDC dc(m_hWnd);
        CopyBitmapRect(m_bmpBk, dc, picture, rc);
    }
    ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
}

void CClrEdit::SetEditFont(const std::wstring& face, int height) {
    m_font.Attach(::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str()));
    SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), TRUE);
}

bool CClrEdit::IsHexChar(WPARAM c) {
    // Backspace and the copy, paste and cut keys keep working.
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == 8 || c == 3 ||
           c == 22 || c == 24;
}

void CClrEdit::InvalidateParentArea() {
    HWND parent = GetParent();
    RECT rc = GetWindowRect();
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    ::InvalidateRect(parent, &rc, TRUE);
}

LRESULT CClrEdit::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT rc = GetClientRect();
        ::OffsetRect(&rc, 0, -10);
        SendMessage(EM_SETRECTNP, 0, (LPARAM)&rc);
        return TRUE;
    }
    case WM_CHAR:
        ::PostMessageW(GetParent(), WM_LK_EDIT_CHAR, 0, ::GetDlgCtrlID(m_hWnd));
        if (m_bHexInput && !IsHexChar(wParam)) return 0;
        return Default();
    case WM_LBUTTONDOWN:
        ::SendMessageW(GetParent(), WM_COMMAND, 0, (LPARAM)m_hWnd);
        return m_hWnd ? Default() : 0;
    case WM_RBUTTONDOWN:
        Invalidate();
        return Default();
    case WM_VSCROLL:
        InvalidateParentArea();
        return Default();
    default:
        return CEdit::WindowProc(msg, wParam, lParam);
    }
}

bool CClrEdit::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        if (!m_bmpBk) return false;
        // A new brush at every query; the previous one goes now.
        m_hBkBrush.Attach(::CreatePatternBrush(m_bmpBk));
        HDC dc = (HDC)wParam;
        ::SetTextColor(dc, m_clrText);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetBkColor(dc, m_clrBk);
        *result = (LRESULT)m_hBkBrush.GetSafeHandle();
        return true;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE) {
            InvalidateParentArea();
            *result = 0;
            return true;
        }
        break;
    default:
        break;
    }
    return CEdit::OnChildNotify(msg, wParam, lParam, result);
}
