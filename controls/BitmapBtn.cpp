#include "controls/BitmapBtn.h"
#include "controls/ControlSupport.h"

CBitmapBtn::~CBitmapBtn() { DestroyWindow(); }

void CBitmapBtn::SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable, const RECT& rc) {
    {
        CClientDC dc(m_hWnd);
        const HBITMAP src[PictureSet::Count] = {normal, over, down, disable};
        for (int i = 0; i < PictureSet::Count; ++i) CopyBitmapRect(m_bmpState[i], dc, src[i], rc);
    }
    ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
}

void CBitmapBtn::SetText(const std::wstring& text, int margin, BYTE keepRight) {
    if (text == m_strText && margin == m_nTextMargin) return;
    m_strText = text;
    m_nTextMargin = margin;
    m_bKeepRight = keepRight;
    Invalidate();
}

void CBitmapBtn::SetTextColors(COLORREF hover, COLORREF normal, COLORREF down, COLORREF disable) {
    m_clrTextHover = hover;
    m_clrTextNormal = normal;
    m_clrTextDown = down;
    m_clrTextDisable = disable;
    Invalidate();
}

void CBitmapBtn::SetTextRect(int left, int top, int right, int bottom) {
    m_rcText = RECT{left, top, right, bottom};
    m_bTextRect = TRUE;
}

void CBitmapBtn::SetCheck(int checked) {
    m_bChecked = checked;
    m_bHover = 0;
    Invalidate();
}

void CBitmapBtn::SetTooltipText(LPCWSTR text, BOOL activate) {
    if (!text) return;
    EnsureTooltip(m_ToolTip, m_hWnd);
    if (m_ToolTip.GetToolCount() == 0) m_ToolTip.AddTool(m_hWnd, text, GetClientRect(), 1);
    m_ToolTip.UpdateTipText(text, m_hWnd, 1);
    m_ToolTip.Activate(activate);
}

BOOL CBitmapBtn::PreTranslateMessage(MSG* msg) {
    RelayToTooltip(m_ToolTip, m_hWnd, msg);
    return CButton::PreTranslateMessage(msg);
}

void CBitmapBtn::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    MakeOwnerDrawButton(*this);
}

LRESULT CBitmapBtn::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleButtonHover(*this, m_bHover, msg, wParam, lParam, result)) return result;
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (m_nClickMode == 1) ReportButton(m_hWnd, BN_CLICKED);
        return m_hWnd ? Default() : 0;
    case WM_LBUTTONUP:
        if (m_nClickMode == 2) {
            m_dwLastClick = Now();
            ReportButton(m_hWnd, BN_CLICKED);
        }
        DropPushedLook(m_hWnd);
        return 0;
    case WM_LBUTTONDBLCLK:
        ReportDoubleClick(m_hWnd, Now(), m_dwLastClick);
        return 0;
    case WM_ERASEBKGND:
        return 0;
    default:
        return CButton::WindowProc(msg, wParam, lParam);
    }
}

bool CBitmapBtn::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // Our own double-click report comes back reflected; it ends here.
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_DOUBLECLICKED) {
        *result = 0;
        return true;
    }
    return CButton::OnChildNotify(msg, wParam, lParam, result);
}

HBITMAP CBitmapBtn::PlainPicture(UINT state) const {
    // Held down shows the normal picture: the hover look goes while pressed.
    int s = PictureSet::Normal;
    if (state & ODS_DISABLED) s = PictureSet::Disable;
    else if (m_bChecked) s = PictureSet::Down;
    else if (state & ODS_SELECTED) s = PictureSet::Normal;
    else if (m_bHover) s = PictureSet::Over;
    return m_bmpState[s];
}

void CBitmapBtn::DrawItem(LPDRAWITEMSTRUCT dis) {
    const RECT client = GetClientRect();
    const int w = client.right, h = client.bottom;
    const bool pressed = dis->itemState & ODS_SELECTED, disabled = dis->itemState & ODS_DISABLED;
    HBITMAP picture = PlainPicture(dis->itemState);
    if (m_strText.empty()) {
        BlitBitmap(dis->hDC, 0, 0, w, h, picture);
        return;
    }
    CBitmap canvas(CreateDib32(w, h));
    CDC mem;
    if (!canvas || !mem.CreateCompatibleDC(dis->hDC)) return;
    mem.SelectObject(canvas);
    BlitBitmap(mem, 0, 0, w, h, picture);

    COLORREF colour = m_clrTextNormal;
    if (disabled) colour = m_clrTextDisable;
    else if (pressed) colour = m_clrTextDown;
    else if (m_bHover) colour = m_clrTextNormal;
    else if (m_bChecked) colour = m_clrTextDown;
    ::SetBkMode(mem, TRANSPARENT);
    ::SetTextColor(mem, colour);

    // Measured with the button's own font, drawn with the skin's.
    RECT r = m_bTextRect ? m_rcText : client;
    SIZE ext{};
    ::GetTextExtentPoint32W(dis->hDC, m_strText.c_str(), (int)m_strText.size(), &ext);
    r.top = r.top + (r.bottom - ext.cy - r.top) / 2 - 1;
    if (!m_bKeepRight) r.right = client.right - m_nTextMargin;
    UINT format;
    switch (m_nTextAlign) {
    case 0: format = DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS; break;
    case 1:
        r.right -= 1;
        r.left += m_nTextMargin + 3;
        format = DT_LEFT | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        break;
    case 101: format = DT_LEFT | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS; break;
    default: format = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS; break;
    }
    CFont font(CreateSkinFont(m_nFontHeight, 500, OUT_SCREEN_OUTLINE_PRECIS, CLIP_MASK, DRAFT_QUALITY,
                              VARIABLE_PITCH | FF_SWISS));
    {
        CDC text;
        text.AttachBorrowed(mem);
        text.SelectObject(font);
        ::DrawTextW(mem, m_strText.c_str(), (int)m_strText.size(), &r, format);
    }
    ::BitBlt(dis->hDC, 0, 0, w, h, mem, 0, 0, SRCCOPY);
}
