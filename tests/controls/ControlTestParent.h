#pragma once
// A top-level window that holds the control under test and records what
// the control tells it.
#include "TestPictures.h"
#include "TestUtil.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include <vector>

namespace lktest {

struct Received {
    UINT msg;
    WPARAM w;
    LPARAM l;
    HWND focus;  // keyboard focus when it arrived
};

class TestParent : public CWnd {
public:
    TestParent();
    ~TestParent() override { DestroyWindow(); }
    // Everything recorded of `msg`, after the posted messages were handled.
    std::vector<Received> Of(UINT msg);
    void Clear() { m_got.clear(); }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<Received> m_got;
};

// A w by h 32-bit picture of one opaque colour (0x00RRGGBB).
HBITMAP SolidBitmap(int w, int h, DWORD rgb, BYTE alpha = 255);

// Draws an owner-drawn control into `canvas` as the parent's WM_DRAWITEM would.
void DrawInto(CWnd& control, Canvas& canvas, UINT state);
// Paints a self-painting control into `canvas` through WM_PRINTCLIENT.
void PrintInto(CWnd& control, Canvas& canvas);
// How many pixels of `canvas` have the colour `rgb` (0x00RRGGBB), each
// channel within `tolerance`.
int CountColour(const Canvas& canvas, DWORD rgb, int tolerance = 0);
inline DWORD Rgb(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace lktest
