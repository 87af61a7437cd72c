#include "TestPictures.h"
#include <gtest/gtest.h>
#include <ole2.h>
#include <gdiplus.h>

namespace lktest {

namespace {
// GDI+ and COM for the whole test program, as the application starts them.
struct GraphicsEnvironment : ::testing::Environment {
    ULONG_PTR token = 0;
    void SetUp() override {
        ::CoInitialize(nullptr);
        Gdiplus::GdiplusStartupInput in;
        Gdiplus::GdiplusStartup(&token, &in, nullptr);
    }
    void TearDown() override {
        Gdiplus::GdiplusShutdown(token);
        ::CoUninitialize();
    }
};
[[maybe_unused]] ::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new GraphicsEnvironment);

const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
const CLSID kBmpEncoder = {0x557cf400, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
}  // namespace

bool WritePicture(const std::wstring& path, int w, int h, const PixelFn& pixel, PicFormat format) {
    Gdiplus::PixelFormat pf = format == PicFormat::Png32 ? PixelFormat32bppARGB : PixelFormat24bppRGB;
    Gdiplus::Bitmap bmp(w, h, pf);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bmp.SetPixel(x, y, Gdiplus::Color(pixel(x, y)));
    const CLSID& enc = format == PicFormat::Bmp24 ? kBmpEncoder : kPngEncoder;
    return bmp.Save(path.c_str(), &enc, nullptr) == Gdiplus::Ok;
}

Canvas::Canvas(int w_, int h_) : w(w_), h(h_) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    void* p = nullptr;
    bmp = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    bits = static_cast<DWORD*>(p);
    dc = ::CreateCompatibleDC(nullptr);
    old = ::SelectObject(dc, bmp);
}

Canvas::~Canvas() {
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(bmp);
}

void Canvas::Fill(DWORD argb) {
    ::GdiFlush();
    for (int i = 0; i < w * h; ++i) bits[i] = argb;
}

}  // namespace lktest
