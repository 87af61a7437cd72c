#include "controls/PngListBtn.h"
#include "controls/ControlSupport.h"

CPngListBtn::~CPngListBtn() = default;

void CPngListBtn::SetIcons(HBITMAP normal, HBITMAP over, HBITMAP down, const RECT& rc) {
    {
        CClientDC dc(m_hWnd);
        const HBITMAP src[3] = {normal, over, down};
        for (int i = 0; i < 3; ++i)
            CopyBitmapRect(m_bmpIcon[i], dc, src[i], RECT{0, 0, rc.right - rc.left, rc.bottom - rc.top});
    }
    m_rcIcon = rc;
    Invalidate();
}

void CPngListBtn::SetBackground(HBITMAP source, const RECT& rc) {
    CClientDC dc(m_hWnd);
    CopyBitmapRect(m_bmpBack, dc, source, rc);
}

void CPngListBtn::SetLatched() {
    m_bLatched = 1;
    Invalidate();
}

LRESULT CPngListBtn::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEWHEEL:
        ::PostMessageW(GetParent(), WM_VSCROLL, (short)HIWORD(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        return Default();
    case WM_LBUTTONDOWN:
        Invalidate();
        return CBitmapBtnEx::WindowProc(msg, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        return 0;
    default:
        return CBitmapBtnEx::WindowProc(msg, wParam, lParam);
    }
}

void CPngListBtn::DrawItem(LPDRAWITEMSTRUCT dis) {
    const RECT client = GetClientRect();
    const int w = client.right, h = client.bottom;
    const bool pressed = dis->itemState & ODS_SELECTED, disabled = dis->itemState & ODS_DISABLED;

    CBitmap canvas;
    CDC mem;
    if (!canvas.CreateCompatibleBitmap(dis->hDC, w, h) || !mem.CreateCompatibleDC(dis->hDC)) return;
    mem.SelectObject(canvas);
    if (m_bmpBack) BlitBitmap(mem, 0, 0, w, h, m_bmpBack);
    else ::PatBlt(mem, 0, 0, w, h, BLACKNESS);

    enum { N = PictureSet::Normal, O = PictureSet::Over, D = PictureSet::Down, X = PictureSet::Disable };
    struct Look { int state; COLORREF colour; int icon; };
    Look look{N, m_clrTextNormal, N};
    if (disabled) look = {X, m_clrTextDisable, N};
    else if (m_bChecked) look = {D, m_clrTextDown, D};
    else if (pressed && !m_bLatched) look = {D, m_clrTextDown, D};
    else if (pressed) look = {N, m_clrTextHover, N};
    else if (m_bHover && !m_bLatched) look = {O, m_clrTextHover, O};
    else if (m_bHover) look = {O, m_clrTextNormal, O};
    BlendBitmap(mem, 0, 0, w, h, m_bmpState[look.state]);

    if (!m_strText.empty()) {
        const bool hasIcon = m_rcIcon.left >= 0;
        const int iw = m_rcIcon.right - m_rcIcon.left, ih = m_rcIcon.bottom - m_rcIcon.top;
        CFont font(CreateSkinFont(m_nFontHeight, 500, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_NATURAL_QUALITY, FF_SWISS));
        SIZE ext{};
        {
            CDC text;
            text.AttachBorrowed(mem);
            text.SelectObject(font);
            ::SetBkMode(mem, TRANSPARENT);
            ::SetTextColor(mem, look.colour);
            ::GetTextExtentPoint32W(mem, m_strText.c_str(), (int)m_strText.size(), &ext);
            RECT r{m_nTextMargin + (hasIcon ? iw : 0), (h - ext.cy) / 2, w, 0};
            r.bottom = r.top + ext.cy;
            // No DT_NOPREFIX: an ampersand underlines the next character.
            UINT format;
            switch (m_nTextAlign) {
            case 1: format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS; break;
            case 0: format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS; break;
            case 8:
                r.bottom = h - 2;
                r.top = r.bottom - ext.cy;
                format = DT_CENTER | DT_VCENTER | DT_BOTTOM | DT_SINGLELINE | DT_END_ELLIPSIS;
                break;
            default: format = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS; break;
            }
            ::DrawTextW(mem, m_strText.c_str(), (int)m_strText.size(), &r, format);
        }
        if (hasIcon) {
            // A centred caption keeps its icon 3 pixels to its left.
            const int x = m_nTextAlign == 1 ? (w - ext.cx - iw) / 2 - 3 : 0;
            BlendBitmap(mem, x, (h - ih) / 2, iw, ih, m_bmpIcon[look.icon], m_rcIcon.left, m_rcIcon.top);
        }
    }
    ::BitBlt(dis->hDC, 0, 0, w, h, mem, 0, 0, SRCCOPY);
}
