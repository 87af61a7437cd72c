#pragma once
// Owners for GDI handles. Non-copyable, movable; every handle an owner holds
// is counted so tests can prove that nothing leaks (GetGuiResources is a stub
// under Wine).
#include <windows.h>
#include <utility>

namespace gdi {
// Live GDI objects and DCs held by the owners below.
long LiveObjects();
void NoteCreated();
void NoteDeleted();
}

template <class H>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(H h) { Attach(h); }
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& o) noexcept : m_h(std::exchange(o.m_h, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& o) noexcept {
        if (this != &o) { DeleteObject(); m_h = std::exchange(o.m_h, nullptr); }
        return *this;
    }
    // Takes ownership; a previous handle is deleted first.
    bool Attach(H h) {
        if (h && h == m_h) return true;  // already ours: deleting it would leave a dead handle
        DeleteObject();
        m_h = h;
        if (m_h) gdi::NoteCreated();
        return m_h != nullptr;
    }
    H Detach() {
        if (m_h) gdi::NoteDeleted();
        return std::exchange(m_h, nullptr);
    }
    void DeleteObject() {
        if (m_h) { ::DeleteObject(m_h); gdi::NoteDeleted(); m_h = nullptr; }
    }
    H GetSafeHandle() const { return m_h; }
    operator H() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
protected:
    H m_h = nullptr;
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
    using CGdiObject::CGdiObject;
    bool CreateCompatibleBitmap(HDC dc, int cx, int cy) { return Attach(::CreateCompatibleBitmap(dc, cx, cy)); }
    SIZE GetSize() const;  // 0x0 when empty
};
class CFont : public CGdiObject<HFONT> { public: using CGdiObject::CGdiObject; };
class CBrush : public CGdiObject<HBRUSH> {
public:
    using CGdiObject::CGdiObject;
    bool CreateSolidBrush(COLORREF c) { return Attach(::CreateSolidBrush(c)); }
};
class CPen : public CGdiObject<HPEN> { public: using CGdiObject::CGdiObject; };
class CRgn : public CGdiObject<HRGN> { public: using CGdiObject::CGdiObject; };

// A device context whose selections are undone when it goes: SaveDC at
// acquisition, RestoreDC before release, so callers never deselect by hand.
// Declare it after the objects selected into it, so it is destroyed first.
class CDC {
public:
    CDC() = default;
    ~CDC() { Release(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    bool CreateCompatibleDC(HDC dc);
    // Wraps a DC owned by somebody else (e.g. the one WM_DRAWITEM passes):
    // selections are still undone, the DC itself is left alone.
    void AttachBorrowed(HDC dc);
    HGDIOBJ SelectObject(HGDIOBJ obj) { return ::SelectObject(m_hDC, obj); }
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    void Release();
protected:
    enum class Kind { None, Created, Borrowed, Window, Paint };
    HDC m_hDC = nullptr;
    int m_nSaved = 0;
    Kind m_kind = Kind::None;
    HWND m_hWnd = nullptr;
    void Adopt(HDC dc, Kind kind, HWND wnd);
};

class CClientDC : public CDC {
public:
    explicit CClientDC(HWND wnd);  // GetDC / ReleaseDC; null wnd = screen
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND wnd);
    ~CPaintDC();
    PAINTSTRUCT m_ps{};
};
