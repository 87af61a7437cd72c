#include "TestPictures.h"
#include "TestUtil.h"
#include "app/ModuleDir.h"
#include "settings/IniFile.h"
#include "skin/Picture.h"
#include <gtest/gtest.h>
#include <cwchar>
#include <vector>

using namespace lktest;

namespace {

// A program directory of our own with its skins\ folders; every GDI object
// made during a test must be gone at its end.
class Pictures : public ::testing::Test {
protected:
    void SetUp() override {
        wcscpy(m_szSaved, g_szModuleDir);
        swprintf(g_szModuleDir, 260, L"%ls\\", m_dir.path().c_str());
        ::CreateDirectoryW(Path(L"skins").c_str(), nullptr);
        ::CreateDirectoryW(Path(L"skins\\Pic").c_str(), nullptr);
        m_nLive = gdi::LiveObjects();
    }
    void TearDown() override {
        EXPECT_EQ(gdi::LiveObjects(), m_nLive);
        wcscpy(g_szModuleDir, m_szSaved);
    }
    std::wstring Path(const std::wstring& rel) const { return std::wstring(g_szModuleDir) + rel; }
    void Skin(const std::wstring& name, DWORD argb, PicFormat f = PicFormat::Png32) {
        ASSERT_TRUE(WritePicture(Path(L"skins\\" + name), 3, 2, [argb](int, int) { return argb; }, f));
    }

    TempDir m_dir;
    wchar_t m_szSaved[260]{};
    long m_nLive = 0;
};

// Pixel (x, y) counted from the top, of a bottom-up DIB section, as 0xAARRGGBB.
DWORD DibPixel(HBITMAP bmp, int x, int y) {
    DIBSECTION ds{};
    if (::GetObjectW(bmp, sizeof ds, &ds) != sizeof ds) return 0xDEADBEEF;
    ::GdiFlush();
    const int bpp = ds.dsBm.bmBitsPixel;
    const BYTE* row = static_cast<const BYTE*>(ds.dsBm.bmBits) + (size_t)(ds.dsBm.bmHeight - 1 - y) * ds.dsBm.bmWidthBytes;
    const BYTE* p = row + x * bpp / 8;
    return bpp == 32 ? *reinterpret_cast<const DWORD*>(p) : (DWORD)(p[0] | p[1] << 8 | p[2] << 16);
}

int BitsPerPixel(HBITMAP bmp) {
    BITMAP bm{};
    ::GetObjectW(bmp, sizeof bm, &bm);
    return bm.bmBitsPixel;
}

// Colour under (x, y) as GDI reads it, whatever the bitmap's format.
COLORREF PixelOf(HBITMAP bmp, int x, int y) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bmp);
    COLORREF c = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return c;
}

}  // namespace

TEST_F(Pictures, PngColoursArePremultipliedAndOtherDepthsKept) {
    struct Case { DWORD argb; DWORD stored; };
    const Case cases[] = {
        {0x803264C8, 0x80193264},  // 200*128/255 = 100.39 -> 100, 100 -> 50, 50 -> 25
        {0x00FFFFFF, 0x00000000},  // fully transparent
        {0xFF010203, 0xFF010203},  // fully opaque
        {0x01FFFFFF, 0x01010101},
    };
    const int n = (int)std::size(cases);
    // The bottom row is black, so a picture stored upside down shows.
    ASSERT_TRUE(WritePicture(Path(L"a.png"), n, 2, [&](int x, int y) { return y ? 0xFF000000 : cases[x].argb; }));
    CBitmap bmp;
    SIZE size{};
    ASSERT_TRUE(LoadPngBitmap(Path(L"a.png"), bmp, &size));
    EXPECT_EQ(size.cx, n);
    EXPECT_EQ(size.cy, 2);
    EXPECT_EQ(BitsPerPixel(bmp), 32);
    for (int x = 0; x < n; ++x) EXPECT_EQ(DibPixel(bmp, x, 0), cases[x].stored) << "case " << x;

    ASSERT_TRUE(WritePicture(Path(L"b.png"), 2, 2, [](int, int y) { return y ? 0xFF000000 : 0xFF102030; },
                             PicFormat::Png24));
    ASSERT_TRUE(LoadPngBitmap(Path(L"b.png"), bmp));
    EXPECT_EQ(BitsPerPixel(bmp), 24);
    EXPECT_EQ(DibPixel(bmp, 1, 0), 0x102030u);

    EXPECT_FALSE(LoadPngBitmap(Path(L"missing.png"), bmp, &size));
    EXPECT_FALSE(bmp);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
}

TEST_F(Pictures, BackgroundLoadsBmpThroughOleAndPng) {
    const PixelFn topLeftRed = [](int x, int y) { return x == 0 && y == 0 ? 0xFFFF0000 : 0xFF0000FF; };
    struct Case { const wchar_t* file; PicFormat format; };
    for (const Case& c : {Case{L"bg.bmp", PicFormat::Bmp24}, Case{L"bg.png", PicFormat::Png24}}) {
        ASSERT_TRUE(WritePicture(Path(c.file), 5, 4, topLeftRed, c.format));
        CBitmap bmp;
        SIZE size{};
        ASSERT_TRUE(LoadPictureBitmap(Path(c.file), bmp, &size)) << c.file;
        EXPECT_EQ(size.cx, 5);
        EXPECT_EQ(size.cy, 4);
        EXPECT_EQ(PixelOf(bmp, 0, 0), RGB(255, 0, 0)) << c.file;
        EXPECT_EQ(PixelOf(bmp, 4, 3), RGB(0, 0, 255)) << c.file;
    }
    CBitmap bmp;
    SIZE size{7, 7};
    ASSERT_TRUE(LoadPictureBitmap(Path(L"bg.bmp"), bmp));
    EXPECT_FALSE(LoadPictureBitmap(Path(L"nothing.bmp"), bmp, &size));
    EXPECT_FALSE(bmp);  // the previous picture went
    EXPECT_EQ(size.cx, 0);
}

TEST_F(Pictures, PictureSetFallsBackToTheNormalPicture) {
    const DWORD red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF, grey = 0xFF808080;
    struct Case {
        const wchar_t* over;     // colour files present besides btn_normal (red)
        const wchar_t* down;
        BOOL normalOnly;
        DWORD expect[4];
    };
    const Case cases[] = {
        {nullptr, nullptr, FALSE, {red, red, red, red}},
        {L"_over.png", nullptr, FALSE, {red, green, red, red}},
        {nullptr, L"_down.png", FALSE, {red, red, blue, red}},
        {L"_over.png", L"_down.png", TRUE, {red, red, red, red}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::wstring name = L"btn" + std::to_wstring(n++);
        Skin(name + L"_normal.png", red);
        if (c.over) Skin(name + c.over, green);
        if (c.down) Skin(name + c.down, blue);
        PictureSet set;
        SIZE size{};
        EXPECT_FALSE(LoadPictureSet(name, c.normalOnly, set, &size));
        EXPECT_EQ(size.cx, 3);
        for (int s = 0; s < PictureSet::Count; ++s)
            EXPECT_EQ(DibPixel(set[s], 1, 1), c.expect[s]) << "case " << n - 1 << " state " << s;
    }

    // The mask is read only when asked for, and reported.
    Skin(L"dial_normal.png", red);
    PictureSet set;
    CBitmap mask;
    EXPECT_FALSE(LoadPictureSet(L"dial", FALSE, set, nullptr, &mask));
    Skin(L"dial_mask.bmp", grey, PicFormat::Bmp24);
    EXPECT_TRUE(LoadPictureSet(L"dial", FALSE, set, nullptr, &mask));
    EXPECT_EQ(PixelOf(mask, 0, 0), RGB(128, 128, 128));

    PictureSet none;
    SIZE size{1, 1};
    LoadPictureSet(L"absent", FALSE, none, &size);
    for (int s = 0; s < PictureSet::Count; ++s) EXPECT_FALSE(none[s]);
    EXPECT_EQ(size.cx, 0);
}

TEST_F(Pictures, CopyBitmapRectCutsOneToOne) {
    CBitmap src;
    void* bits = nullptr;
    ASSERT_TRUE(CreateDib32(10, 10, src, &bits));
    for (int i = 0; i < 100; ++i) static_cast<DWORD*>(bits)[i] = (DWORD)i;  // bottom-up: row 9 first
    CClientDC screen(nullptr);
    for (bool dib : {false, true}) {
        CBitmap dst;
        (dib ? CopyBitmapRectToDib : CopyBitmapRect)(dst, screen, src, RECT{2, 3, 6, 8});
        ASSERT_TRUE(dst);
        EXPECT_EQ(dst.GetSize().cx, 4);
        EXPECT_EQ(dst.GetSize().cy, 5);
        EXPECT_EQ(PixelOf(dst, 0, 0), PixelOf(src, 2, 3));
        EXPECT_EQ(PixelOf(dst, 3, 4), PixelOf(src, 5, 7));
        if (dib) {
            EXPECT_EQ(BitsPerPixel(dst), 32);
        }
        // A missing source leaves the destination as it was.
        CopyBitmapRect(dst, screen, nullptr, RECT{0, 0, 1, 1});
        EXPECT_EQ(dst.GetSize().cx, 4);
    }
}

TEST_F(Pictures, RegionCoversWhatIsNotWhite) {
    struct Case {
        const char* name;
        int w, h;
        std::function<bool(int, int)> dark;
        DWORD rects;
        RECT box;
    };
    const Case cases[] = {
        {"one pixel", 8, 8, [](int x, int y) { return x == 3 && y == 5; }, 1, {3, 5, 4, 6}},
        {"all white", 8, 8, [](int, int) { return false; }, 0, {0, 0, 0, 0}},
        {"2001 runs in a row", 4002, 1, [](int x, int) { return x % 2 == 0; }, 2001, {0, 0, 4001, 1}},
        {"runs across rows", 4, 3, [](int x, int y) { return y == 1 || x == 0; }, 3, {0, 0, 4, 3}},
    };
    for (const Case& c : cases) {
        CBitmap bmp;
        void* bits = nullptr;
        ASSERT_TRUE(CreateDib32(c.w, c.h, bmp, &bits));
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                static_cast<DWORD*>(bits)[(size_t)(c.h - 1 - y) * c.w + x] = c.dark(x, y) ? 0x00FEFFFF : 0x00FFFFFF;
        CRgn rgn(BitmapToRegion(bmp));
        ASSERT_TRUE(rgn) << c.name;
        DWORD bytes = ::GetRegionData(rgn, 0, nullptr);
        std::vector<BYTE> data(bytes);
        ::GetRegionData(rgn, bytes, reinterpret_cast<RGNDATA*>(data.data()));
        const RGNDATAHEADER& hdr = reinterpret_cast<RGNDATA*>(data.data())->rdh;
        EXPECT_EQ(hdr.nCount, c.rects) << c.name;
        RECT box{};
        ::GetRgnBox(rgn, &box);
        EXPECT_TRUE(::EqualRect(&box, &c.box)) << c.name << ": " << box.left << "," << box.top << ","
                                               << box.right << "," << box.bottom;
    }
    EXPECT_EQ(BitmapToRegion(nullptr), nullptr);
}

TEST_F(Pictures, SwatchTintTakesBrightnessFromBlue) {
    struct Case { BYTE r, g, b; BYTE v; DWORD tinted; };
    const Case cases[] = {
        {255, 0, 0, 128, 0x80800000},
        {0, 128, 255, 200, 0xC80064C8},  // green 128/255*200 = 100.39 -> 100
        {255, 255, 255, 0, 0x00000000},
    };
    CClientDC screen(nullptr);
    for (const Case& c : cases) {
        // Source as the swatch keeps it: screen format, the top row brighter.
        CBitmap dib;
        void* bits = nullptr;
        ASSERT_TRUE(CreateDib32(2, 2, dib, &bits));
        DWORD* px = static_cast<DWORD*>(bits);
        px[0] = px[1] = 0x10101010;                       // bottom row
        px[2] = px[3] = 0x01010101u * c.v;                // top row
        CBitmap src;
        CopyBitmapRect(src, screen, dib, RECT{0, 0, 2, 2});
        SwatchTint tint;
        SetSwatchSources(tint, 2, 2);
        EXPECT_EQ(tint.bufA.size(), 16u);
        TintSwatch(tint, src, src, c.r, c.g, c.b);
        EXPECT_EQ(DibPixel(tint.bmpTintA, 1, 0), c.tinted);
        EXPECT_EQ(DibPixel(tint.bmpTintB, 0, 0), c.tinted);
        EXPECT_EQ(DibPixel(tint.bmpTintA, 0, 1) >> 24, 0x10u);
        EXPECT_EQ(GetSwatchColour(tint), RGB(c.r, c.g, c.b));
    }
}

TEST_F(Pictures, SkinTextIsCentredOnOneLine) {
    const std::wstring ini = Path(L"skin.ini");
    ::WritePrivateProfileStringW(L"T", L"tall", L",4,40,100,20,Hello,FALSE", ini.c_str());
    ::WritePrivateProfileStringW(L"T", L"short", L",4,40,100,10,Hello,FALSE", ini.c_str());
    ::WritePrivateProfileStringW(L"T", L"empty", L"", ini.c_str());
    g_iniText.SetTextFile(ini);
    CFont font(::CreateFontW(15, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    struct Case { const wchar_t* key; const wchar_t* text; int top; };
    // A 15-pixel line moves down by (20 - 15) / 2 = 2 and by (10 - 15) / 2 = -2.
    const Case cases[] = {{L"tall", L"", 42}, {L"short", L"", 38}, {L"tall", L"Other", 42}};
    for (const Case& c : cases) {
        Canvas got(120, 80), want(120, 80);
        for (Canvas* cv : {&got, &want}) {
            cv->Fill(0x00FFFFFF);
            ::SelectObject(cv->dc, font);
            ::SetBkMode(cv->dc, TRANSPARENT);
        }
        TEXTMETRICW tm{};
        ::GetTextMetricsW(got.dc, &tm);
        ASSERT_EQ(tm.tmHeight, 15);
        DrawSkinText(L"T", c.key, got.dc, DT_LEFT | DT_NOPREFIX, c.text);
        std::wstring text = *c.text ? c.text : L"Hello";
        RECT rc{4, c.top, 104, c.key == std::wstring(L"tall") ? 60 : 50};
        ::DrawTextW(want.dc, text.c_str(), -1, &rc, DT_LEFT | DT_NOPREFIX);
        int dark = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x) {
                ASSERT_EQ(got.At(x, y), want.At(x, y)) << c.key << " at " << x << "," << y;
                dark += (got.At(x, y) & 0xFFFFFF) != 0xFFFFFF;
            }
        EXPECT_GT(dark, 0) << c.key;
        ::SelectObject(got.dc, ::GetStockObject(SYSTEM_FONT));
        ::SelectObject(want.dc, ::GetStockObject(SYSTEM_FONT));
    }
    Canvas none(20, 20);
    none.Fill(0x00FFFFFF);
    DrawSkinText(L"T", L"empty", none.dc, 0);
    EXPECT_EQ(none.At(0, 0), 0x00FFFFFFu);
}

TEST_F(Pictures, SkinPictureIsDrawnIntoItsRectangle) {
    const std::wstring ini = Path(L"skin.ini");
    ::WritePrivateProfileStringW(L"MAINPIC", L"1", L",5,6,7,8,logo.png,FALSE", ini.c_str());
    ::WritePrivateProfileStringW(L"MAINPIC", L"2", L",5,6,7,8,none.png,FALSE", ini.c_str());
    g_iniText.SetTextFile(ini);
    ASSERT_TRUE(WritePicture(Path(L"skins\\Pic\\logo.png"), 2, 2, [](int, int) { return 0xFF00FF00; }));
    const RECT other{0, 0, 3, 3};
    struct Case { const wchar_t* key; const RECT* rc; POINT in, out; };
    const Case cases[] = {
        {L"1", nullptr, {8, 10}, {12, 14}},
        {L"1", &other, {1, 1}, {5, 6}},
        {L"2", nullptr, {-1, -1}, {8, 9}},
    };
    for (const Case& c : cases) {
        Canvas cv(20, 20);
        cv.Fill(0x00FFFFFF);
        DrawSkinPicture(L"MAINPIC", c.key, cv.dc, c.rc, g_szModuleDir);
        if (c.in.x >= 0) {
            EXPECT_EQ(cv.At(c.in.x, c.in.y) & 0xFFFFFF, 0x00FF00u);
        }
        EXPECT_EQ(cv.At(c.out.x, c.out.y) & 0xFFFFFF, 0xFFFFFFu);
    }
}
