#include "controls/PngRSliderBar2.h"
#include "controls/ControlSupport.h"
#include <ole2.h>
#include <gdiplus.h>
#include <cmath>

namespace {
constexpr double kPi = 3.14159;  // both directions use this value, so they agree
constexpr int kRim = 13;         // the knob's circle lies this far inside the dial

void CopyWhole(CBitmap& dst, HDC dc, HBITMAP src) {
    if (!src) return;
    BITMAP bm{};
    ::GetObjectW(src, sizeof bm, &bm);
    dst.DeleteObject();
    CopyBitmapRect(dst, dc, src, RECT{0, 0, bm.bmWidth, bm.bmHeight});
}

std::wstring AppTitle() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}
}  // namespace

CPngRSliderBar2::~CPngRSliderBar2() { DestroyWindow(); }

BOOL CPngRSliderBar2::Create(HWND parent, const RECT& rc) {
    m_rcWnd = rc;
    m_pParent = parent;
    m_nRaw = 0;
    m_nMin = 0;
    m_nMax = 10;
    if (!CWnd::Create(nullptr, L"", WS_CHILD | WS_VISIBLE, rc, parent, kID)) return FALSE;
    UpdateCircle();
    return TRUE;
}

void CPngRSliderBar2::SetTrackImages(HBITMAP dial, HBITMAP second, const RECT& rc) {
    CClientDC dc(m_hWnd);
    m_pDial.DeleteObject();
    m_pDialSecond.DeleteObject();
    CopyBitmapRect(m_pDial, dc, dial, rc);
    CopyBitmapRect(m_pDialSecond, dc, second, rc);
}

void CPngRSliderBar2::SetThumbImages(HBITMAP knob, HBITMAP second, BYTE) {
    CClientDC dc(m_hWnd);
    CopyWhole(m_pThumb, dc, knob);
    CopyWhole(m_pThumbSecond, dc, second);
    const SIZE size = m_pThumb.GetSize();
    m_nThumbW = size.cx;
    m_nThumbH = size.cy;
}

void CPngRSliderBar2::SetRange(int min, int max) {
    if (min != m_nMin || max != m_nMax) Invalidate();
    m_nMin = min;
    m_nMax = max;
    if (m_nRaw < min) m_nRaw = min;
    else if (m_nRaw > max) m_nRaw = max;
}

int CPngRSliderBar2::GetPos() const {
    // An empty range has one position only.
    if (Range() <= 0) return m_nMin;
    return Range() - (m_nRaw + m_nOffset) % Range();
}

void CPngRSliderBar2::SetPos(int pos) {
    if (pos == GetPos()) return;
    m_nRaw = Range() <= 0 ? m_nMin : Range() - (int)((unsigned)(pos + m_nOffset) % (unsigned)Range());
    Invalidate();
}

void CPngRSliderBar2::SetWindowShape(HBITMAP mask) {
    HRGN rgn = BitmapToRegion(mask);
    if (rgn && ::SetWindowRgn(m_hWnd, rgn, TRUE)) {
        m_hShape = rgn;
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return;
    }
    if (rgn) ::DeleteObject(rgn);
    ::MessageBoxW(::GetAncestor(m_hWnd, GA_ROOT), L"error", AppTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void CPngRSliderBar2::UpdateCircle() {
    const RECT client = GetClientRect();
    m_rcCircle = RECT{kRim, kRim, client.right - kRim, client.bottom - kRim};
}

void CPngRSliderBar2::Follow(POINT pt) {
    const int cx = (m_rcCircle.left + m_rcCircle.right) / 2, cy = (m_rcCircle.top + m_rcCircle.bottom) / 2;
    const long long dx = cx - pt.x, dy = cy - pt.y;
    const long long d2 = dx * dx + dy * dy;
    // At the very centre there is no direction: the knob stays where it is.
    if (d2 == 0) return;
    double cosine = (double)(pt.y - cy) / std::sqrt((double)d2);
    if (cosine > 1.0) cosine = 1.0;
    if (cosine < -1.0) cosine = -1.0;
    double a = std::acos(cosine);
    if (pt.x > cx) a = 6.28318 - a;
    int raw = (int)(a * m_nMax / kPi * 0.5);
    if (raw < m_nMin) raw = m_nMin;
    if (raw > m_nMax) raw = m_nMax;
    m_nRaw = raw;
    RECT dirty = m_rcCircle;
    ::InflateRect(&dirty, m_nThumbW, m_nThumbH);
    ::InvalidateRect(m_hWnd, &dirty, TRUE);
}

void CPngRSliderBar2::Paint(HDC dc) {
    const RECT client = GetClientRect();
    const int w = client.right, h = client.bottom;
    CBitmap canvas(CreateDib32(w, h));
    CDC mem;
    if (!canvas || !mem.CreateCompatibleDC(dc)) return;
    mem.SelectObject(canvas);
    BlendBitmap(mem, 0, 0, w, h, m_pDial);

    UpdateCircle();
    const int r = (m_rcCircle.bottom - m_rcCircle.top) / 2;
    const int cx = (m_rcCircle.left + m_rcCircle.right) / 2, cy = (m_rcCircle.top + m_rcCircle.bottom) / 2;
    const double theta = m_nMax ? 2 * (m_nRaw * kPi / m_nMax) : 0.0;
    const int kx = cx - (int)(std::sin(theta) * r), ky = cy + (int)(std::cos(theta) * r);
    const RECT knob{kx - m_nThumbW / 2, ky - m_nThumbH / 2, kx + (m_nThumbW - m_nThumbW / 2),
                    ky + (m_nThumbH - m_nThumbH / 2)};
    BlendBitmap(mem, knob.left, knob.top, m_nThumbW, m_nThumbH, m_pThumb);
    {
        Gdiplus::Graphics g(mem.GetSafeHdc());
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        Gdiplus::Pen pen(Gdiplus::Color(0xB2FFFFFF), 1.5f);
        g.DrawLine(&pen, (Gdiplus::REAL)(w / 2), (Gdiplus::REAL)(h / 2), (Gdiplus::REAL)((knob.left + knob.right) / 2),
                   (Gdiplus::REAL)((knob.top + knob.bottom) / 2));
        const Gdiplus::Rect disc(w / 2 - 12, h / 2 - 12, 24, 24);
        Gdiplus::LinearGradientBrush brush(disc, Gdiplus::Color(0xFF000000), Gdiplus::Color(0xFFFFFFFF),
                                           Gdiplus::LinearGradientModeHorizontal);
        const Gdiplus::Color red[4] = {Gdiplus::Color(0xFFFF0000), Gdiplus::Color(0xFFFF0000),
                                       Gdiplus::Color(0xFFFF0000), Gdiplus::Color(0xFFFF0000)};
        const Gdiplus::REAL stops[4] = {0.0f, 0.33f, 0.66f, 1.0f};
        brush.SetInterpolationColors(red, stops, 4);
        g.FillEllipse(&brush, disc);
    }
    ::BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
}

LRESULT CPngRSliderBar2::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleSelfPaint(*this, msg, wParam, m_bEnabled, [this](HDC dc) { Paint(dc); }, result)) return result;
    switch (msg) {
    case WM_LBUTTONDOWN:
        m_bDragging = 1;
        ::SetCapture(m_hWnd);
        return Default();
    case WM_MOUSEMOVE:
        if (m_bDragging) {
            Follow(MousePoint(lParam));
            Propose(GetPos());
        }
        return Default();
    case WM_LBUTTONUP:
        m_bDragging = 1;
        Follow(MousePoint(lParam));
        m_bDragging = 0;
        ::ReleaseCapture();
        Propose(GetPos());
        return Default();
    case WM_MOUSEWHEEL: {
        if (Range() <= 0) {
            Propose(m_nMin);
            return TRUE;
        }
        const int pos = GetPos();
        Propose(m_nMin + ((short)HIWORD(wParam) > 0 ? (pos - 1) % Range() : (pos + 1) % Range()));
        return TRUE;
    }
    case WM_SIZE:
        UpdateCircle();
        return Default();
    case WM_DESTROY: {
        LRESULT r = Default();
        for (CBitmap* b : {&m_pDial, &m_pDialSecond, &m_pThumb, &m_pThumbSecond}) b->DeleteObject();
        return r;
    }
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
