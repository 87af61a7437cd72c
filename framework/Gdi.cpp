#include "framework/Gdi.h"
#include <atomic>

namespace gdi {
static std::atomic<long> s_live{0};
long LiveObjects() { return s_live.load(); }
void NoteCreated() { ++s_live; }
void NoteDeleted() { --s_live; }
}

SIZE CBitmap::GetSize() const {
    BITMAP bm{};
    if (!m_h || !::GetObjectW(m_h, sizeof(bm), &bm)) return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

void CDC::Adopt(HDC dc, Kind kind, HWND wnd) {
    Release();
    if (!dc) return;
    m_hDC = dc;
    m_kind = kind;
    m_hWnd = wnd;
    m_nSaved = ::SaveDC(dc);
    if (kind != Kind::Borrowed) gdi::NoteCreated();
}

bool CDC::CreateCompatibleDC(HDC dc) {
    Adopt(::CreateCompatibleDC(dc), Kind::Created, nullptr);
    return m_hDC != nullptr;
}

void CDC::AttachBorrowed(HDC dc) { Adopt(dc, Kind::Borrowed, nullptr); }

void CDC::Release() {
    if (!m_hDC) return;
    if (m_nSaved) ::RestoreDC(m_hDC, m_nSaved);
    switch (m_kind) {
    case Kind::Created: ::DeleteDC(m_hDC); break;
    case Kind::Window: ::ReleaseDC(m_hWnd, m_hDC); break;
    default: break;
    }
    if (m_kind != Kind::Borrowed) gdi::NoteDeleted();
    m_hDC = nullptr;
    m_nSaved = 0;
    m_kind = Kind::None;
    m_hWnd = nullptr;
}

CClientDC::CClientDC(HWND wnd) { Adopt(::GetDC(wnd), Kind::Window, wnd); }

CPaintDC::CPaintDC(HWND wnd) {
    HDC dc = ::BeginPaint(wnd, &m_ps);
    Adopt(dc, Kind::Paint, wnd);
}

CPaintDC::~CPaintDC() {
    HWND wnd = m_hWnd;
    bool had = m_hDC != nullptr;
    Release();
    if (had) ::EndPaint(wnd, &m_ps);
}
