#include "controls/PngSliderBase.h"
#include "controls/ControlSupport.h"
#include <cmath>

CPngSliderBase::~CPngSliderBase() { DestroyWindow(); }

BOOL CPngSliderBase::CreateSlider(HWND parent, int id, const RECT& rc) {
    m_rcWnd = rc;
    m_pParent = parent;
    m_nID = id;
    m_nPos = 0;
    m_nMin = 0;
    m_nMax = 10;
    return Create(nullptr, L"", WS_CHILD | WS_VISIBLE, rc, parent, (UINT)id);
}

void CPngSliderBase::SetTrackImages(HBITMAP normal, HBITMAP down, HBITMAP disable, const RECT& rc) {
    CClientDC dc(m_hWnd);
    const HBITMAP src[3] = {normal, down, disable};
    for (int i = 0; i < 3; ++i) {
        if (i < 2) m_pTrack[i].DeleteObject();
        CopyBitmapRect(m_pTrack[i], dc, src[i], rc);
    }
}

void CPngSliderBase::SetThumbImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable, BYTE thumbTop) {
    CClientDC dc(m_hWnd);
    const HBITMAP src[PictureSet::Count] = {normal, over, down, disable};
    for (int i = 0; i < PictureSet::Count; ++i) {
        if (!src[i]) continue;
        BITMAP bm{};
        ::GetObjectW(src[i], sizeof bm, &bm);
        m_pThumb[i].DeleteObject();
        CopyBitmapRect(m_pThumb[i], dc, src[i], RECT{0, 0, bm.bmWidth, bm.bmHeight});
        if (i == PictureSet::Normal) {
            m_nThumbW = bm.bmWidth;
            m_nThumbH = bm.bmHeight;
        }
    }
    m_bThumbTop = thumbTop;
}

void CPngSliderBase::SetRange(int min, int max) {
    if (min != m_nMin || max != m_nMax) Invalidate();
    m_nMin = min;
    m_nMax = max;
    if (m_nPos < min) m_nPos = min;
    else if (m_nPos > max) m_nPos = max;
}

void CPngSliderBase::SetPos(int pos) {
    if (pos == m_nPos) return;
    m_nPos = pos;
    Invalidate();
}

void CPngSliderBase::SetBackground(HBITMAP source, const RECT& rc) {
    CClientDC dc(m_hWnd);
    CopyBitmapRect(m_bmpBack, dc, source, rc);
}

int CPngSliderBase::PosFromPoint(POINT pt) const {
    // An empty range has one position only.
    if (m_nMax <= m_nMin) return m_nMin;
    ::ClientToScreen(m_hWnd, &pt);
    ::ScreenToClient(m_pParent, &pt);
    const int thumb = m_bVertical ? m_nThumbH : m_nThumbW;
    const int p = m_bVertical ? pt.y - m_rcWnd.top - thumb / 2 : pt.x - m_rcWnd.left - thumb / 2;
    const int span = m_bVertical ? m_rcWnd.bottom - m_rcWnd.top - thumb : m_rcWnd.right - m_rcWnd.left - thumb;
    if (p > span) return m_nMax;
    // The vertical slider compares the pixel offset with the minimum value.
    if (m_bVertical ? p < m_nMin : p < thumb / 2) return m_nMin;
    const float r = (float)span / (float)(m_nMax - m_nMin);
    const float f = (float)p / r;
    const int pos = m_nMin + (int)std::floor((double)f + 0.5);
    return pos > m_nMax ? m_nMax : pos;
}

BOOL CPngSliderBase::OnMouseWheel(short delta) {
    int step = delta > 0 ? 1 : -1;
    if (m_bVertical) step = -step;  // forward moves a vertical slider up, towards its minimum
    int pos = m_nPos + step;
    if (pos > m_nMax) pos = m_nMax;
    if (pos < m_nMin) pos = m_nMin;
    ::PostMessageW(m_pParent, WM_LK_SLIDER_POS, (WPARAM)pos, m_nID);
    return TRUE;
}

int CPngSliderBase::ThumbOffset(int trackLength, int thumbSize) const {
    if (m_nMax <= m_nMin) return 0;
    const float ratio = (float)(trackLength - thumbSize) / (float)(m_nMax - m_nMin);
    return (int)((float)(m_nPos - m_nMin) * ratio);
}

void CPngSliderBase::Paint(HDC dc) {
    const RECT client = GetClientRect();
    const int w = client.right, h = client.bottom;
    CBitmap canvas(CreateDib32(w, h));
    CDC mem;
    if (!canvas || !mem.CreateCompatibleDC(dc)) return;
    mem.SelectObject(canvas);
    BlitBitmap(mem, 0, 0, w, h, m_bmpBack);

    int tx, ty;
    if (m_bVertical) {
        const int y = ThumbOffset(h, m_nThumbH);
        // A vertical slider keeps its track when disabled.
        BlendBitmap(mem, 0, y, w, h - y, m_pTrack[1], 0, y);
        BlendBitmap(mem, 0, 0, w, y + m_nThumbH / 2, m_pTrack[0]);
        tx = w - m_nThumbW;
        ty = y;
    } else {
        const int x = ThumbOffset(w, m_nThumbW);
        if (m_bEnabled) {
            BlendBitmap(mem, x, 0, w - x, h, m_pTrack[0], x, 0);
            BlendBitmap(mem, 0, 0, x + m_nThumbW / 2, h, m_pTrack[1]);
        } else {
            BlendBitmap(mem, 0, 0, w, h, m_pTrack[2]);
        }
        tx = x;
        ty = m_bThumbTop ? 0 : h - m_nThumbH;
    }
    int thumb = PictureSet::Normal;
    if (!m_bEnabled && m_pThumb[PictureSet::Disable]) thumb = PictureSet::Disable;
    else if (m_bDragging) thumb = PictureSet::Down;
    else if (m_bHover) thumb = PictureSet::Over;
    BlendBitmap(mem, tx, ty, m_nThumbW, m_nThumbH, m_pThumb[thumb]);
    ::BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
}

LRESULT CPngSliderBase::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleSelfPaint(*this, msg, wParam, m_bEnabled, [this](HDC dc) { Paint(dc); }, result)) return result;
    switch (msg) {
    case WM_LBUTTONDOWN:
        m_bDragging = 1;
        Invalidate();
        ::SetCapture(m_hWnd);
        return Default();
    case WM_LBUTTONUP:
        if (m_bDragging) {
            m_bDragging = 0;
            Invalidate();
            ::ReleaseCapture();
            ::PostMessageW(m_pParent, WM_LK_SLIDER_POS, (WPARAM)PosFromPoint(MousePoint(lParam)), m_nID);
        }
        return Default();
    case WM_MOUSEMOVE:
        if (m_bDragging) {
            const int pos = PosFromPoint(MousePoint(lParam));
            if (pos != m_nPos) ::PostMessageW(m_pParent, WM_LK_SLIDER_POS, (WPARAM)pos, m_nID);
            return Default();
        } else {
            LRESULT r = Default();
            if (TrackHover(m_hWnd, m_bHover, wParam, MousePoint(lParam)) != HoverChange::None || !m_bVertical)
                Invalidate();
            return r;
        }
    case WM_MOUSEWHEEL:
        return OnMouseWheel((short)HIWORD(wParam));
    case WM_WINDOWPOSCHANGED:
        // The layout pass may move the slider; the pointer mapping follows.
        if (m_pParent) {
            RECT rc = GetWindowRect();
            ::MapWindowPoints(nullptr, m_pParent, reinterpret_cast<POINT*>(&rc), 2);
            m_rcWnd = rc;
        }
        return Default();
    case WM_DESTROY: {
        LRESULT r = Default();
        for (CBitmap& b : m_pTrack) b.DeleteObject();
        for (CBitmap& b : m_pThumb.bmp) b.DeleteObject();
        return r;
    }
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
