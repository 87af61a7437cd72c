#include "ControlTestParent.h"
#include "controls/BitmapBtn.h"
#include "controls/ColorBtn2.h"
#include "controls/ControlSupport.h"
#include "controls/PngListBtn.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

using namespace lktest;

namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
const RECT kRect{20, 20, 140, 60};

// A button class with a clock the test sets, and the hover state at hand.
template <class B>
struct Testable : B {
    DWORD tick = 1000;
    DWORD Now() const override { return tick; }
    void SetHover(int h) { this->m_bHover = h; }
};

struct AnyButton {
    std::unique_ptr<CButton> wnd;
    DWORD* tick;
    std::function<void(int)> setHover;
};

template <class B>
AnyButton Make(HWND parent) {
    auto b = std::make_unique<Testable<B>>();
    b->Create(L"", kStyle, kRect, parent, 0);
    DWORD* tick = &b->tick;
    auto* raw = b.get();
    return AnyButton{std::move(b), tick, [raw](int h) { raw->SetHover(h); }};
}

// Picture colours of the four states and caption colours, all distinct.
constexpr DWORD kNormal = 0xC00000, kOver = 0x00C000, kDown = 0x0000C0, kDisable = 0x606060, kBack = 0xE0E000;
constexpr COLORREF kTextHover = 0x112233, kTextNormal = 0x445566, kTextDown = 0x778899, kTextDisable = 0xAABBCC;

struct StatePictures {
    CBitmap bmp[4];
    StatePictures(int w, int h) {
        const DWORD c[4] = {kNormal, kOver, kDown, kDisable};
        for (int i = 0; i < 4; ++i) bmp[i].Attach(SolidBitmap(w, h, c[i]));
    }
};

class Buttons : public ::testing::Test {
protected:
    TestParent parent;
};

}  // namespace

TEST_F(Buttons, ClicksAreReportedByTheirRules) {
    enum Kind { Plain, List, Swatch };
    struct Step { UINT msg; DWORD advance; std::vector<WORD> reports; };
    struct Case { const char* name; Kind kind; bool onRelease; std::vector<Step> steps; };
    const WORD C = BN_CLICKED, D = BN_DOUBLECLICKED;
    const Case cases[] = {
        {"press reports at once", Plain, false, {{WM_LBUTTONDOWN, 0, {C}}, {WM_LBUTTONUP, 0, {}}}},
        {"release mode reports on release", Plain, true, {{WM_LBUTTONDOWN, 0, {}}, {WM_LBUTTONUP, 0, {C}}}},
        {"double-click: one click, one double", Plain, false,
         {{WM_LBUTTONDOWN, 0, {C}}, {WM_LBUTTONUP, 0, {}}, {WM_LBUTTONDBLCLK, 300, {D}}, {WM_LBUTTONUP, 0, {}}}},
        {"double-click in the tick of the release is dropped", Plain, true,
         {{WM_LBUTTONDOWN, 0, {}}, {WM_LBUTTONUP, 0, {C}}, {WM_LBUTTONDBLCLK, 0, {}}, {WM_LBUTTONUP, 0, {C}}}},
        {"list button ignores the second press", List, false,
         {{WM_LBUTTONDOWN, 0, {C}}, {WM_LBUTTONUP, 0, {}}, {WM_LBUTTONDBLCLK, 300, {}}, {WM_LBUTTONUP, 0, {}}}},
        {"list button in release mode", List, true, {{WM_LBUTTONDOWN, 0, {}}, {WM_LBUTTONUP, 0, {C}}}},
        {"swatch: 300 ms later a double, its release dropped", Swatch, false,
         {{WM_LBUTTONDOWN, 0, {}}, {WM_LBUTTONUP, 0, {C}}, {WM_LBUTTONDBLCLK, 300, {D}}, {WM_LBUTTONUP, 0, {}}}},
        {"swatch: a release 600 ms after the last report counts", Swatch, false,
         {{WM_LBUTTONDOWN, 0, {}}, {WM_LBUTTONUP, 0, {C}}, {WM_LBUTTONDOWN, 600, {}}, {WM_LBUTTONUP, 0, {C}}}},
        {"swatch: a release 400 ms after does not", Swatch, false,
         {{WM_LBUTTONDOWN, 0, {}}, {WM_LBUTTONUP, 0, {C}}, {WM_LBUTTONDOWN, 400, {}}, {WM_LBUTTONUP, 100, {}}}},
    };
    for (const Case& c : cases) {
        AnyButton b = c.kind == Plain ? Make<CBitmapBtn>(parent)
                      : c.kind == List ? Make<CPngListBtn>(parent)
                                       : Make<CColorBtn2>(parent);
        if (c.onRelease) static_cast<CBitmapBtn*>(b.wnd.get())->SetClickOnRelease();
        parent.Clear();
        int n = 0;
        for (const Step& s : c.steps) {
            *b.tick += s.advance;
            b.wnd->SendMessage(s.msg, s.msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, At(10, 10));
            std::vector<WORD> got;
            for (const Received& r : parent.Of(WM_COMMAND)) {
                EXPECT_EQ((HWND)r.l, b.wnd->m_hWnd);
                EXPECT_EQ(LOWORD(r.w), 0);
                got.push_back(HIWORD(r.w));
            }
            EXPECT_EQ(got, s.reports) << c.name << ", step " << n;
            parent.Clear();
            ++n;
        }
        // The press is over: no pushed look is left behind.
        EXPECT_FALSE(b.wnd->SendMessage(BM_GETSTATE) & BST_PUSHED) << c.name;
    }
}

TEST_F(Buttons, SwatchAnnouncesTheEntryOnceAndFollowsThePointer) {
    AnyButton b = Make<CColorBtn2>(parent);
    HWND h = b.wnd->m_hWnd;
    auto* swatch = static_cast<CColorBtn2*>(b.wnd.get());
    parent.Clear();
    b.wnd->SendMessage(WM_MOUSEMOVE, 0, At(5, 5));
    b.wnd->SendMessage(WM_MOUSEMOVE, 0, At(6, 5));
    auto entered = parent.Of(WM_LK_BUTTON_ENTER);
    ASSERT_EQ(entered.size(), 1u);
    EXPECT_EQ(entered[0].w, 0u);
    EXPECT_EQ((HWND)entered[0].l, h);
    EXPECT_TRUE(swatch->IsHover());
    EXPECT_EQ(::GetCapture(), h);

    // Seen over the parent with the left button held: hover goes, capture stays.
    b.wnd->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(-10, -10));
    EXPECT_FALSE(swatch->IsHover());
    EXPECT_EQ(::GetCapture(), h);
    b.wnd->SendMessage(WM_MOUSEMOVE, 0, At(-10, -10));
    EXPECT_NE(::GetCapture(), h);
    b.wnd->SendMessage(WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_EQ(parent.Of(WM_LK_BUTTON_ENTER).size(), 2u);
    b.wnd->SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(swatch->IsHover());
    ::ReleaseCapture();
}

TEST_F(Buttons, WheelOverAListButtonScrollsTheParent) {
    CPngListBtn b;
    b.Create(L"", kStyle, kRect, parent, 0);
    struct Case { short delta; WPARAM code; };
    for (const Case& c : {Case{120, SB_LINEUP}, Case{-120, SB_LINEDOWN}, Case{0, SB_LINEDOWN}, Case{240, SB_LINEUP}}) {
        parent.Clear();
        b.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)c.delta), At(30, 30));
        auto got = parent.Of(WM_VSCROLL);
        ASSERT_EQ(got.size(), 1u) << c.delta;
        EXPECT_EQ(got[0].w, c.code) << c.delta;
        EXPECT_EQ(got[0].l, 0);
    }
}

TEST_F(Buttons, LooksPickPictureAndCaptionColour) {
    struct Look { UINT state; int checked, hover, latched; DWORD picture; COLORREF caption; };
    const UINT P = ODS_SELECTED, X = ODS_DISABLED;
    struct Table { const char* name; bool list; std::vector<Look> looks; };
    const Table tables[] = {
        {"list button", true,
         {
             {0, 0, 0, 0, kNormal, kTextNormal},
             {0, 0, 1, 0, kOver, kTextHover},
             {P, 0, 0, 0, kDown, kTextDown},
             {0, 1, 0, 0, kDown, kTextDown},
             {X, 1, 1, 0, kDisable, kTextDisable},
             // latched from here on: it stays for the life of the button
             {0, 0, 0, 1, kNormal, kTextNormal},
             {0, 0, 1, 1, kOver, kTextNormal},
             {P, 0, 1, 1, kNormal, kTextHover},
             {0, 1, 1, 1, kDown, kTextDown},
             {P, 1, 0, 1, kDown, kTextDown},
         }},
        {"plain button", false,
         {
             {0, 0, 0, 0, kNormal, kTextNormal},
             {0, 0, 1, 0, kOver, kTextNormal},
             {P, 0, 1, 0, kNormal, kTextDown},
             {0, 1, 0, 0, kDown, kTextDown},
             {0, 1, 1, 0, kDown, kTextNormal},
             {X, 1, 1, 0, kDisable, kTextDisable},
         }},
    };
    const int w = kRect.right - kRect.left, h = kRect.bottom - kRect.top;
    StatePictures pics(w, h);
    CBitmap back(SolidBitmap(200, 100, kBack));
    for (const Table& t : tables) {
        std::unique_ptr<CBitmapBtn> b;
        std::function<void(int)> setHover;
        if (t.list) {
            auto l = std::make_unique<Testable<CPngListBtn>>();
            setHover = [p = l.get()](int v) { p->SetHover(v); };
            b = std::move(l);
        } else {
            auto l = std::make_unique<Testable<CBitmapBtn>>();
            setHover = [p = l.get()](int v) { p->SetHover(v); };
            b = std::move(l);
        }
        b->Create(L"", kStyle, kRect, parent, 0);
        b->SetImages(pics.bmp[0], pics.bmp[1], pics.bmp[2], pics.bmp[3], RECT{0, 0, w, h});
        if (t.list) static_cast<CPngListBtn*>(b.get())->SetBackground(back, kRect);
        b->SetFontHeight(30);
        b->SetTextAlign(1);
        b->SetText(L"HHH", 0);
        b->SetTextColors(kTextHover, kTextNormal, kTextDown, kTextDisable);
        int n = 0;
        for (const Look& l : t.looks) {
            if (l.latched) static_cast<CPngListBtn*>(b.get())->SetLatched();
            b->SetCheck(l.checked);
            setHover(l.hover);
            Canvas cv(w, h);
            DrawInto(*b, cv, l.state);
            EXPECT_EQ(cv.At(1, 1) & 0xFFFFFF, l.picture) << t.name << " look " << n;
            for (COLORREF c : {kTextHover, kTextNormal, kTextDown, kTextDisable})
                EXPECT_EQ(CountColour(cv, Rgb(c)) > 0, c == l.caption) << t.name << " look " << n << " colour " << std::hex << c;
            ++n;
        }
    }
}

TEST_F(Buttons, ListButtonIconSitsBesideItsCaption) {
    const int w = kRect.right - kRect.left, h = kRect.bottom - kRect.top;
    constexpr DWORD kIcon = 0x00FFFF;
    StatePictures pics(w, h);
    CBitmap icon(SolidBitmap(16, 16, kIcon));
    struct Case { int align; const wchar_t* text; bool drawn; };
    for (const Case& c : {Case{1, L"Apply", true}, Case{0, L"Apply", true}, Case{2, L"Apply", true}, Case{1, L"", false}}) {
        CPngListBtn b;
        b.Create(L"", kStyle, kRect, parent, 0);
        b.SetImages(pics.bmp[0], pics.bmp[1], pics.bmp[2], pics.bmp[3], RECT{0, 0, w, h});
        b.SetTextAlign(c.align);
        b.SetText(c.text, 0);
        b.SetIcons(icon, icon, icon, RECT{0, 0, 16, 16});
        Canvas cv(w, h);
        DrawInto(b, cv, 0);
        int x = 0;
        if (c.align == 1) {
            CFont font(CreateSkinFont(15, 500, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_NATURAL_QUALITY, FF_SWISS));
            HGDIOBJ old = ::SelectObject(cv.dc, font);
            SIZE ext{};
            ::GetTextExtentPoint32W(cv.dc, c.text, (int)wcslen(c.text), &ext);
            ::SelectObject(cv.dc, old);
            x = (w - ext.cx - 16) / 2 - 3;
        }
        const int y = (h - 16) / 2;
        EXPECT_EQ(cv.At(x, y) & 0xFFFFFF, c.drawn ? kIcon : kNormal) << c.align;
        EXPECT_EQ(cv.At(x + 15, y + 15) & 0xFFFFFF, c.drawn ? kIcon : kNormal) << c.align;
        if (x > 0) {
            EXPECT_EQ(cv.At(x - 1, y) & 0xFFFFFF, kNormal) << c.align;
        }
        if (c.align == 1) {
            EXPECT_EQ(cv.At(x + 16, y + 15) & 0xFFFFFF, kNormal) << c.align;
        }
    }
}

TEST_F(Buttons, SwatchShowsItsColourOverTheBackground) {
    const int w = kRect.right - kRect.left, h = kRect.bottom - kRect.top;
    // Grey-scale sources: the normal one solid, the down one at half strength.
    CBitmap full(SolidBitmap(w, h, 0xFFFFFF)), half(SolidBitmap(w, h, 0xFFFFFF, 128));
    CBitmap back(SolidBitmap(200, 100, kBack));
    CColorBtn2 s;
    s.Create(L"", kStyle, kRect, parent, 0);
    s.SetImages(full, full, half, full, RECT{0, 0, w, h});
    s.SetSwatchSources(w, h);
    s.SetText(L"HHH", 0);
    s.SetBackground(back, kRect);
    s.SetSwatchColour(0, 0, 255);
    EXPECT_EQ(s.GetSwatchColour(), RGB(0, 0, 255));
    struct Case { int checked; UINT state; DWORD pixel; };
    // Half-strength blue over yellow: 128 + 0xE0 * 127 / 255.
    const DWORD blended = ((kBack >> 16) * 127 / 255) << 16 | ((kBack >> 8 & 0xFF) * 127 / 255) << 8 | 128;
    for (const Case& c : {Case{0, 0, 0x0000FF}, Case{0, ODS_DISABLED | ODS_SELECTED, 0x0000FF}, Case{1, 0, blended}}) {
        s.SetCheck(c.checked);
        Canvas cv(w, h);
        DrawInto(s, cv, c.state);
        const DWORD got = cv.At(1, 1) & 0xFFFFFF;
        for (int shift : {0, 8, 16})
            EXPECT_NEAR((int)(got >> shift & 0xFF), (int)(c.pixel >> shift & 0xFF), 2) << c.checked << " " << shift;
        EXPECT_GT(CountColour(cv, 0xFFFFFF, 0x30), 0);  // the white caption
        for (int y = 0; y < h; ++y) EXPECT_NE(cv.At(4, y) & 0xFFFFFF, 0xFFFFFFu);  // starts 5 pixels in
    }
}

TEST_F(Buttons, TextAndTooltipSetters) {
    CPngListBtn b;
    b.Create(L"", kStyle, kRect, parent, 0);
    ::UpdateWindow(b);
    struct Case { const wchar_t* text; int margin; BYTE keepRight; bool repaints; };
    const Case cases[] = {
        {L"Go", 0, 0, true}, {L"Go", 0, 1, false}, {L"Go", 4, 0, true}, {L"go", 4, 0, true}, {L"go", 4, 0, false},
    };
    for (const Case& c : cases) {
        ::ValidateRect(b, nullptr);
        b.SetText(c.text, c.margin, c.keepRight);
        EXPECT_EQ(::GetUpdateRect(b, nullptr, FALSE) != FALSE, c.repaints) << c.margin << (int)c.keepRight;
    }
    EXPECT_EQ(b.GetText(), L"go");

    b.SetTooltipText(nullptr, TRUE);
    EXPECT_EQ(b.GetToolTip().m_hWnd, nullptr);
    b.SetTooltipText(L"first", FALSE);
    b.SetTooltipText(L"second", TRUE);
    EXPECT_EQ(b.GetToolTip().GetToolCount(), 1);
    wchar_t text[64] = {};
    TTTOOLINFOW ti{sizeof(ti)};
    ti.hwnd = b;
    ti.uId = 1;
    ti.lpszText = text;
    b.GetToolTip().SendMessage(TTM_GETTEXTW, 64, (LPARAM)&ti);
    EXPECT_STREQ(text, L"second");

    // Checking clears hover and repaints even without a change.
    ::ValidateRect(b, nullptr);
    b.SetCheck(0);
    EXPECT_TRUE(::GetUpdateRect(b, nullptr, FALSE));
}
