#include "skin/Picture.h"
#include "app/Directories.h"
#include "app/ModuleDir.h"
#include "skin/SkinFile.h"
#include <ole2.h>
#include <olectl.h>
#include <gdiplus.h>
#include <cstring>
#include <memory>

namespace {

bool FileExists(const std::wstring& path) {
    bool directory = false;
    return PathExists(path, &directory) && !directory;
}

HBITMAP CreateDib(int w, int h, WORD bpp, void** bits) {
    if (bits) *bits = nullptr;
    if (w <= 0 || h <= 0) return nullptr;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = bpp;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    HBITMAP bmp = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    if (bits) *bits = p;
    return bmp;
}

// Rows of a bottom-up DIB, from the top row of the picture.
BYTE* DibRow(void* bits, int stride, int h, int y) { return static_cast<BYTE*>(bits) + (size_t)(h - 1 - y) * stride; }

}  // namespace

bool LoadPngBitmap(const std::wstring& path, CBitmap& dst, SIZE* size) {
    if (size) *size = SIZE{0, 0};
    dst.DeleteObject();
    std::unique_ptr<Gdiplus::Bitmap> pic(Gdiplus::Bitmap::FromFile(path.c_str()));
    if (!pic || pic->GetLastStatus() != Gdiplus::Ok) return false;
    const int w = (int)pic->GetWidth(), h = (int)pic->GetHeight();
    const bool alpha = Gdiplus::IsAlphaPixelFormat(pic->GetPixelFormat()) != FALSE;
    const WORD bpp = alpha ? 32 : 24;
    void* bits = nullptr;
    CBitmap dib(CreateDib(w, h, bpp, &bits));
    if (!dib) return false;

    Gdiplus::Rect all(0, 0, w, h);
    Gdiplus::BitmapData data{};
    if (pic->LockBits(&all, Gdiplus::ImageLockModeRead, alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB,
                      &data) != Gdiplus::Ok)
        return false;
    const int stride = ((w * bpp / 8) + 3) & ~3;
    const int rowBytes = w * bpp / 8;
    for (int y = 0; y < h; ++y) {
        const BYTE* src = static_cast<const BYTE*>(data.Scan0) + (ptrdiff_t)y * data.Stride;
        BYTE* out = DibRow(bits, stride, h, y);
        std::memcpy(out, src, rowBytes);
        if (!alpha) continue;
        // AlphaBlend expects colours already multiplied by their alpha.
        for (int x = 0; x < w; ++x) {
            BYTE* p = out + x * 4;
            const unsigned a = p[3];
            p[0] = (BYTE)(p[0] * a / 255);
            p[1] = (BYTE)(p[1] * a / 255);
            p[2] = (BYTE)(p[2] * a / 255);
        }
    }
    pic->UnlockBits(&data);
    if (size) *size = SIZE{w, h};
    dst = std::move(dib);
    return true;
}

bool LoadPictureBitmap(const std::wstring& path, CBitmap& dst, SIZE* size) {
    if (size) *size = SIZE{0, 0};
    dst.DeleteObject();
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER len{};
    HGLOBAL mem = nullptr;
    bool read = false;
    if (::GetFileSizeEx(file, &len) && len.QuadPart > 0 && len.QuadPart < 0x7FFFFFFF &&
        (mem = ::GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)len.QuadPart)) != nullptr) {
        void* p = ::GlobalLock(mem);
        DWORD got = 0;
        read = p && ::ReadFile(file, p, (DWORD)len.QuadPart, &got, nullptr) && got == (DWORD)len.QuadPart;
        static const BYTE kPngSignature[4] = {0x89, 'P', 'N', 'G'};
        const bool png = read && got >= 4 && std::memcmp(p, kPngSignature, 4) == 0;
        ::GlobalUnlock(mem);
        if (png) {
            ::GlobalFree(mem);
            ::CloseHandle(file);
            return LoadPngBitmap(path, dst, size);
        }
    }
    ::CloseHandle(file);
    if (!read) {
        if (mem) ::GlobalFree(mem);
        return false;
    }

    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(mem, TRUE, &stream))) {
        ::GlobalFree(mem);
        return false;
    }
    IPicture* picture = nullptr;
    HRESULT hr = ::OleLoadPicture(stream, (LONG)len.QuadPart, FALSE, IID_IPicture, (void**)&picture);
    stream->Release();
    if (FAILED(hr) || !picture) return false;
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_UNINITIALIZED;
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle))) {
        // Our own copy, so the picture object can go now instead of living
        // for the rest of the process.
        dst.Attach((HBITMAP)::CopyImage((HBITMAP)(UINT_PTR)handle, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    picture->Release();
    if (size && dst) *size = dst.GetSize();
    return (bool)dst;
}

bool LoadPictureSet(const std::wstring& name, BOOL normalOnly, PictureSet& set, SIZE* size, CBitmap* mask) {
    const std::wstring base = std::wstring(g_szModuleDir) + L"skins\\" + name;
    const std::wstring normal = base + L"_normal.png";
    LoadPngBitmap(normal, set[PictureSet::Normal], size);
    static const wchar_t* const kSuffix[] = {L"_over.png", L"_down.png", L"_disable.png"};
    for (int i = 0; i < 3; ++i) {
        const std::wstring own = base + kSuffix[i];
        CBitmap& look = set[PictureSet::Over + i];
        if (!normalOnly && FileExists(own)) {
            LoadPngBitmap(own, look);
        } else {
            // A look without its own picture is a copy of the normal one, not a second decode.
            look.DeleteObject();
            if (set[PictureSet::Normal])
                look.Attach((HBITMAP)::CopyImage(set[PictureSet::Normal], IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        }
    }
    if (!mask) return false;
    const std::wstring maskPath = base + L"_mask.bmp";
    if (!FileExists(maskPath)) {
        mask->DeleteObject();
        return false;
    }
    return LoadPngBitmap(maskPath, *mask);
}

namespace {
void CopyRect(CBitmap& dst, HDC dc, HBITMAP src, const RECT& rc, bool dib) {
    if (!src) return;
    dst.DeleteObject();
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return;
    if (dib) CreateDib32(w, h, dst);
    else dst.CreateCompatibleBitmap(dc, w, h);
    if (!dst) return;
    CDC to, from;
    if (!to.CreateCompatibleDC(dc) || !from.CreateCompatibleDC(dc)) return;
    to.SelectObject(dst);
    from.SelectObject(src);
    ::StretchBlt(to, 0, 0, w, h, from, rc.left, rc.top, w, h, SRCCOPY);
}
}  // namespace

void CopyBitmapRect(CBitmap& dst, HDC dc, HBITMAP src, const RECT& rc) { CopyRect(dst, dc, src, rc, false); }
void CopyBitmapRectToDib(CBitmap& dst, HDC dc, HBITMAP src, const RECT& rc) { CopyRect(dst, dc, src, rc, true); }

namespace {
template <class Draw>
void WithSource(HDC dst, HBITMAP src, Draw draw) {
    if (!src) return;
    CDC from;
    if (!from.CreateCompatibleDC(dst)) return;
    from.SelectObject(src);
    draw(from.GetSafeHdc());
}
}  // namespace

void BlitBitmap(HDC dst, int x, int y, int w, int h, HBITMAP src, int sx, int sy) {
    WithSource(dst, src, [&](HDC from) { ::BitBlt(dst, x, y, w, h, from, sx, sy, SRCCOPY); });
}

void BlendBitmap(HDC dst, int x, int y, int w, int h, HBITMAP src, int sx, int sy) {
    if (w <= 0 || h <= 0) return;
    WithSource(dst, src, [&](HDC from) {
        const BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        ::AlphaBlend(dst, x, y, w, h, from, sx, sy, w, h, bf);
    });
}

HBITMAP CreateDib32(int w, int h, void** bits) { return CreateDib(w, h, 32, bits); }

bool CreateDib32(int w, int h, CBitmap& dst, void** bits) { return dst.Attach(CreateDib32(w, h, bits)); }

HRGN BitmapToRegion(HBITMAP bmp) {
    if (!bmp) return nullptr;
    BITMAP bm{};
    if (!::GetObjectW(bmp, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return nullptr;
    const int w = bm.bmWidth, h = bm.bmHeight;
    void* bits = nullptr;
    CBitmap copy(CreateDib32(w, h, &bits));
    if (!copy) return nullptr;
    {
        CDC to, from;
        if (!to.CreateCompatibleDC(nullptr) || !from.CreateCompatibleDC(nullptr)) return nullptr;
        to.SelectObject(copy);
        from.SelectObject(bmp);
        ::BitBlt(to, 0, 0, w, h, from, 0, 0, SRCCOPY);
    }
    ::GdiFlush();

    // Rectangles go to the system in batches, the buffer growing 100 at a time.
    constexpr DWORD kGrow = 100, kBatch = 2000;
    std::vector<BYTE> buf(sizeof(RGNDATAHEADER) + kGrow * sizeof(RECT));
    DWORD capacity = kGrow, count = 0;
    HRGN result = nullptr;
    auto header = [&] { return reinterpret_cast<RGNDATAHEADER*>(buf.data()); };
    auto rects = [&] { return reinterpret_cast<RECT*>(buf.data() + sizeof(RGNDATAHEADER)); };
    auto reset = [&] {
        count = 0;
        *header() = RGNDATAHEADER{sizeof(RGNDATAHEADER), RDH_RECTANGLES, 0, 0, {LONG_MAX, LONG_MAX, 0, 0}};
    };
    auto flush = [&] {
        header()->nCount = count;
        header()->nRgnSize = count * sizeof(RECT);
        HRGN part = ::ExtCreateRegion(nullptr, (DWORD)(sizeof(RGNDATAHEADER) + count * sizeof(RECT)),
                                      reinterpret_cast<RGNDATA*>(buf.data()));
        if (!result) {
            result = part;
        } else if (part) {
            ::CombineRgn(result, result, part, RGN_OR);
            ::DeleteObject(part);
        }
        reset();
    };
    reset();

    const int stride = w * 4;
    for (int y = 0; y < h; ++y) {
        const DWORD* row = reinterpret_cast<const DWORD*>(DibRow(bits, stride, h, y));
        int x = 0;
        while (x < w) {
            while (x < w && (row[x] & 0xFFFFFF) == 0xFFFFFF) ++x;
            if (x >= w) break;
            const int start = x;
            while (x < w && (row[x] & 0xFFFFFF) != 0xFFFFFF) ++x;
            if (count >= capacity) {
                capacity += kGrow;
                buf.resize(sizeof(RGNDATAHEADER) + capacity * sizeof(RECT));
            }
            rects()[count++] = RECT{start, y, x, y + 1};
            RECT& bound = header()->rcBound;
            if (start < bound.left) bound.left = start;
            if (y < bound.top) bound.top = y;
            if (x > bound.right) bound.right = x;
            if (y + 1 > bound.bottom) bound.bottom = y + 1;
            if (count == kBatch) flush();
        }
    }
    flush();
    return result;
}

void SetSwatchSources(SwatchTint& tint, int w, int h) {
    CreateDib32(w, h, tint.bmpTintA);
    CreateDib32(w, h, tint.bmpTintB);
    tint.bufA.assign(tint.bmpTintA ? (size_t)::GetBitmapBits(tint.bmpTintA, 0, nullptr) : 0, 0);
    tint.bufB.assign(tint.bmpTintB ? (size_t)::GetBitmapBits(tint.bmpTintB, 0, nullptr) : 0, 0);
}

void TintSwatch(SwatchTint& tint, HBITMAP srcA, HBITMAP srcB, BYTE r, BYTE g, BYTE b) {
    const float fr = r / 255.0f, fg = g / 255.0f, fb = b / 255.0f;
    tint.r = r;
    tint.g = g;
    tint.b = b;
    auto one = [&](HBITMAP src, std::vector<BYTE>& buf, CBitmap& out) {
        if (!src || !out || buf.empty()) return;
        ::GetBitmapBits(src, (LONG)buf.size(), buf.data());
        for (size_t i = 0; i + 3 < buf.size(); i += 4) {
            const BYTE v = buf[i];
            buf[i] = (BYTE)(int)(fb * v);
            buf[i + 1] = (BYTE)(int)(fg * v);
            buf[i + 2] = (BYTE)(int)(fr * v);
            buf[i + 3] = v;
        }
        ::SetBitmapBits(out, (DWORD)buf.size(), buf.data());
    };
    one(srcA, tint.bufA, tint.bmpTintA);
    one(srcB, tint.bufB, tint.bmpTintB);
}

COLORREF GetSwatchColour(const SwatchTint& tint) { return (COLORREF)(tint.r + tint.g * 256 + tint.b * 65536); }

void DrawSkinPicture(LPCWSTR section, LPCWSTR key, HDC dc, const RECT* rc, const std::wstring& dir) {
    DrawEntry e = GetDrawEntry(section, key);
    if (e.strText.empty()) return;
    Gdiplus::Image image((dir + L"skins\\Pic\\" + e.strText).c_str());
    if (image.GetLastStatus() != Gdiplus::Ok) return;
    Gdiplus::Graphics graphics(dc);
    const RECT& to = rc ? *rc : e.rcPos;
    graphics.DrawImage(&image, (INT)to.left, (INT)to.top, (INT)(to.right - to.left), (INT)(to.bottom - to.top));
}

void DrawSkinText(LPCWSTR section, LPCWSTR key, HDC dc, UINT format, const std::wstring& text) {
    DrawEntry e = GetDrawEntry(section, key);
    std::wstring s = ExpandLineBreaks(text.empty() ? e.strText : text);
    if (s.empty()) return;
    SIZE ext{};
    ::GetTextExtentPoint32W(dc, s.c_str(), (int)s.size(), &ext);
    RECT rc = e.rcPos;
    rc.top += ((rc.bottom - rc.top) - ext.cy) / 2;
    ::DrawTextW(dc, s.c_str(), (int)s.size(), &rc, format);
}

namespace {
std::wstring& FontFace() {
    static std::wstring face = GetSkinFontFace();
    return face;
}
}  // namespace

const std::wstring& SkinFontFace() { return FontFace(); }
void ReloadSkinFontFace() { FontFace() = GetSkinFontFace(); }
