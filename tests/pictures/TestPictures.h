#pragma once
// Tiny pictures written on the fly, so tests never depend on a shipped skin.
#include <windows.h>
#include <functional>
#include <string>

namespace lktest {

// Pixel colours are 0xAARRGGBB.
using PixelFn = std::function<DWORD(int x, int y)>;

enum class PicFormat { Png32, Png24, Bmp24 };
// Writes a w by h picture through GDI+; false when it could not be written.
bool WritePicture(const std::wstring& path, int w, int h, const PixelFn& pixel, PicFormat format = PicFormat::Png32);
inline DWORD Solid(DWORD argb, int, int) { return argb; }

// A 32-bit top-down DIB the tests draw into and read back.
struct Canvas {
    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    // 0x00RRGGBB of the pixel, alpha in the high byte.
    DWORD At(int x, int y) const { ::GdiFlush(); return bits[(size_t)y * w + x]; }
    void Fill(DWORD argb);
    int w, h;
    HDC dc = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;
    DWORD* bits = nullptr;
};

}  // namespace lktest
