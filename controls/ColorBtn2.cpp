#include "controls/ColorBtn2.h"
#include "controls/ControlSupport.h"

CColorBtn2::~CColorBtn2() = default;

void CColorBtn2::SetSwatchSources(int w, int h) { ::SetSwatchSources(m_tint, w, h); }

void CColorBtn2::SetSwatchColour(BYTE r, BYTE g, BYTE b) {
    TintSwatch(m_tint, m_bmpState[PictureSet::Normal], m_bmpState[PictureSet::Down], r, g, b);
    Invalidate();
}

void CColorBtn2::SetBackground(HBITMAP source, const RECT& rc) {
    CClientDC dc(m_hWnd);
    CopyBitmapRect(m_bmpBack, dc, source, rc);
}

void CColorBtn2::DrawItem(LPDRAWITEMSTRUCT dis) {
    const RECT client = GetClientRect();
    const int w = client.right, h = client.bottom;
    CBitmap canvas(CreateDib32(w, h));
    CDC mem;
    if (!canvas || !mem.CreateCompatibleDC(dis->hDC)) return;
    mem.SelectObject(canvas);
    BlitBitmap(mem, 0, 0, w, h, m_bmpBack);
    // Pressed, hover and disabled look the same: only the checked state shows.
    BlendBitmap(mem, 0, 0, w, h, m_bChecked ? m_tint.bmpTintB : m_tint.bmpTintA);
    CFont font(CreateSkinFont(m_nFontHeight, FW_NORMAL, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_NATURAL_QUALITY,
                              0x0E));
    {
        CDC text;
        text.AttachBorrowed(mem);
        text.SelectObject(font);
        ::SetBkMode(mem, TRANSPARENT);
        ::SetTextColor(mem, 0xFFFFFF);
        RECT r = client;
        ::OffsetRect(&r, 5, 0);
        ::DrawTextW(mem, m_strText.c_str(), (int)m_strText.size(), &r,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::BitBlt(dis->hDC, 0, 0, w, h, mem, 0, 0, SRCCOPY);
}
