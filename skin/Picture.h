#pragma once
// Loading skin pictures into GDI bitmaps, and the drawing helpers built on
// them. Every bitmap lives in a counted owner of framework/Gdi.h.
#include "framework/Gdi.h"
#include <string>
#include <vector>

// Decodes a picture (PNG, BMP, JPEG, GIF) through GDI+. A picture with alpha
// becomes a 32-bit DIB with premultiplied colours, ready for AlphaBlend;
// others stay 24-bit. On failure `dst` is empty and the size 0 by 0.
bool LoadPngBitmap(const std::wstring& path, CBitmap& dst, SIZE* size = nullptr);

// The window background: BMP, JPEG and GIF through the OLE picture loader,
// PNG through GDI+ (the OLE loader of Windows reads no PNG).
bool LoadPictureBitmap(const std::wstring& path, CBitmap& dst, SIZE* size = nullptr);

// The four state pictures of a control.
struct PictureSet {
    enum State { Normal, Over, Down, Disable, Count };
    CBitmap bmp[Count];
    CBitmap& operator[](int i) { return bmp[i]; }
    const CBitmap& operator[](int i) const { return bmp[i]; }
};

// Loads g_szModuleDir + "skins\" + name + "_normal.png" and its "_over",
// "_down" and "_disable" siblings (the normal picture stands in for a missing
// one, and for all of them when `normalOnly`). With `mask`, name + "_mask.bmp"
// is loaded too; returns whether a mask was found.
bool LoadPictureSet(const std::wstring& name, BOOL normalOnly, PictureSet& set, SIZE* size = nullptr,
                    CBitmap* mask = nullptr);

// `dst` becomes a copy of `rc` of `src`: a bitmap compatible with `dc`, or a
// 32-bit bottom-up DIB. Nothing happens when `src` is null.
void CopyBitmapRect(CBitmap& dst, HDC dc, HBITMAP src, const RECT& rc);
void CopyBitmapRectToDib(CBitmap& dst, HDC dc, HBITMAP src, const RECT& rc);

// A 32-bit bottom-up DIB section, zero-filled; `bits` receives its pixels.
HBITMAP CreateDib32(int w, int h, void** bits = nullptr);
bool CreateDib32(int w, int h, CBitmap& dst, void** bits = nullptr);

// Copies (SRCCOPY) or composites (AlphaBlend with per-pixel alpha) w by h
// pixels of `src` from (sx, sy) to (x, y) of `dst`; a null `src` draws nothing.
void BlitBitmap(HDC dst, int x, int y, int w, int h, HBITMAP src, int sx = 0, int sy = 0);
void BlendBitmap(HDC dst, int x, int y, int w, int h, HBITMAP src, int sx = 0, int sy = 0);

// The pixels that are not pure white, as a region (null when the bitmap is
// empty or nothing could be built). The caller owns it.
HRGN BitmapToRegion(HBITMAP bmp);

// The tint state of a colour swatch: its two tinted pictures, the working
// buffers and the colour.
struct SwatchTint {
    CBitmap bmpTintA, bmpTintB;
    std::vector<BYTE> bufA, bufB;
    int r = 0, g = 0, b = 0;
};
// Makes the tinted pictures (32-bit, w by h) and their buffers.
void SetSwatchSources(SwatchTint& tint, int w, int h);
// Recolours sources A and B (grey-scale, premultiplied) into the tinted
// pictures: the source's blue byte is the brightness and becomes the alpha.
void TintSwatch(SwatchTint& tint, HBITMAP srcA, HBITMAP srcB, BYTE r, BYTE g, BYTE b);
COLORREF GetSwatchColour(const SwatchTint& tint);

// Draws the picture of an entry (g_iniText) from `dir` + "skins\Pic\", scaled
// into `rc` or the entry's own rectangle.
void DrawSkinPicture(LPCWSTR section, LPCWSTR key, HDC dc, const RECT* rc, const std::wstring& dir);
// Draws `text`, or the entry's own text when empty, in the entry's rectangle
// moved down to centre one line of the DC's current font.
void DrawSkinText(LPCWSTR section, LPCWSTR key, HDC dc, UINT format, const std::wstring& text = {});

// The face every skinned text is drawn with. Read once from the skin file
// and again by ReloadSkinFontFace when the layout pass changes the file.
const std::wstring& SkinFontFace();
void ReloadSkinFontFace();
