#include "ControlTestParent.h"
#include "skin/Picture.h"
#include <cstdlib>

namespace lktest {

TestParent::TestParent() {
    CreateEx(0, nullptr, L"controls under test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 640, 480},
             nullptr, 0);
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
    PumpMessages();
}

LRESULT TestParent::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND || msg == WM_VSCROLL || (msg >= WM_USER && msg < 0x8000))
        m_got.push_back(Received{msg, wParam, lParam, ::GetFocus()});
    return CWnd::WindowProc(msg, wParam, lParam);
}

std::vector<Received> TestParent::Of(UINT msg) {
    PumpMessages();
    std::vector<Received> out;
    for (const Received& r : m_got)
        if (r.msg == msg) out.push_back(r);
    return out;
}

HBITMAP SolidBitmap(int w, int h, DWORD rgb, BYTE alpha) {
    void* bits = nullptr;
    HBITMAP bmp = CreateDib32(w, h, &bits);
    const DWORD r = (rgb >> 16 & 0xFF) * alpha / 255, g = (rgb >> 8 & 0xFF) * alpha / 255, b = (rgb & 0xFF) * alpha / 255;
    const DWORD px = (DWORD)alpha << 24 | r << 16 | g << 8 | b;
    for (int i = 0; i < w * h; ++i) static_cast<DWORD*>(bits)[i] = px;
    return bmp;
}

void DrawInto(CWnd& control, Canvas& canvas, UINT state) {
    DRAWITEMSTRUCT dis{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, control.m_hWnd, canvas.dc, control.GetClientRect(), 0};
    control.DrawItem(&dis);
}

void PrintInto(CWnd& control, Canvas& canvas) {
    control.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc, PRF_CLIENT);
}

int CountColour(const Canvas& canvas, DWORD rgb, int tolerance) {
    ::GdiFlush();
    int n = 0;
    for (int i = 0; i < canvas.w * canvas.h; ++i) {
        const DWORD px = canvas.bits[i];
        bool close = true;
        for (int shift : {0, 8, 16}) close &= std::abs((int)(px >> shift & 0xFF) - (int)(rgb >> shift & 0xFF)) <= tolerance;
        n += close;
    }
    return n;
}

}  // namespace lktest
