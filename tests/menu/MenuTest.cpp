// The skinned pop-up menu: its size and rows, the stretch of its pictures,
// and the selection it posts to its owner.
#include "ControlTestParent.h"
#include "controls/PngBtnMenu.h"
#include "skin/Picture.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace lktest;

namespace {

// The pixels of a bitmap, top row first, 0x00RRGGBB.
std::vector<DWORD> Pixels(HBITMAP bmp, int w, int h) {
    std::vector<DWORD> px((size_t)w * h);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    HDC dc = ::GetDC(nullptr);
    const int rows = ::GetDIBits(dc, bmp, 0, h, px.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    EXPECT_EQ(rows, h);
    for (DWORD& p : px) p &= 0xFFFFFF;
    return px;
}

constexpr DWORD kPicture = 0x4080C0;

class PopupMenu : public ::testing::Test {
protected:
    struct MenuShape {
        int picW, picH;
        int itemHeight;  // -1: not set
        std::vector<std::wstring> captions;
        std::vector<int> data;
    };

    std::unique_ptr<CPngBtnMenu> Open(const MenuShape& s) {
        const std::wstring normal = dir.file(L"menu_normal.png"), over = dir.file(L"menu_over.png");
        EXPECT_TRUE(WritePicture(normal, s.picW, s.picH, [](int, int) { return 0xFF000000 | kPicture; }));
        EXPECT_TRUE(WritePicture(over, s.picW, s.picH, [](int, int) { return 0xFFFFFFFFu; }));
        auto menu = std::make_unique<CPngBtnMenu>(owner.m_hWnd);
        menu->SetMenuPictures(normal, over, over, normal);
        menu->SetPosition(30, 40);
        if (s.itemHeight != -1) menu->SetItemHeight(s.itemHeight);
        menu->SetItemFontHeight(15);
        for (size_t i = 0; i < s.captions.size(); ++i)
            menu->AddItem(s.captions[i], i < s.data.size() ? s.data[i] : (int)i);
        EXPECT_TRUE(menu->CreateMenuWindow());
        PumpMessages();
        return menu;
    }

    TempDir dir;
    TestParent owner;
};

}  // namespace

TEST_F(PopupMenu, RowsStackAtTheItemHeight) {
    struct Case {
        const char* name;
        MenuShape shape;
        int h;  // expected row height
    };
    const Case cases[] = {
        {"four rows of 20", {60, 20, 20, {L"a", L"b", L"c", L"d"}}, 20},
        {"row height from the picture", {50, 24, -1, {L"a", L"b", L"c"}}, 24},
        {"picture taller than the menu", {60, 100, 20, {L"a", L"b"}}, 20},
        {"an empty caption hides its row, not its slot", {60, 20, 20, {L"a", L"", L"c"}}, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto menu = Open(c.shape);
        const int n = (int)c.shape.captions.size(), w = c.shape.picW;
        const RECT rc = menu->GetWindowRect();
        EXPECT_EQ(rc.left, 30);
        EXPECT_EQ(rc.top, 40);
        EXPECT_EQ(rc.right - rc.left, w + 18);
        EXPECT_EQ(rc.bottom - rc.top, n * c.h);
        EXPECT_TRUE(::IsWindowVisible(menu->m_hWnd));
        for (const CBitmap& b : menu->m_bmpItem) {
            const SIZE size = b.GetSize();
            EXPECT_EQ(size.cx, w);
            EXPECT_EQ(size.cy, n * c.h);
        }
        ASSERT_EQ(menu->GetItemCount(), n);
        for (int i = 0; i < n; ++i) {
            CPngListBtn* row = menu->GetRow(i);
            ASSERT_TRUE(row);
            RECT place{};
            ::GetWindowRect(row->m_hWnd, &place);
            ::MapWindowPoints(nullptr, menu->m_hWnd, reinterpret_cast<POINT*>(&place), 2);
            const RECT want{0, i * c.h, w, (i + 1) * c.h};
            EXPECT_TRUE(::EqualRect(&place, &want)) << "row " << i;
            EXPECT_EQ(::IsWindowVisible(row->m_hWnd) != 0, !c.shape.captions[i].empty()) << "row " << i;
            EXPECT_EQ(row->GetText(), c.shape.captions[i]);
        }
    }
}

// A picture one row high keeps that row at the top; nothing is tiled below.
TEST_F(PopupMenu, OneRowPictureIsNotTiled) {
    auto menu = Open({60, 20, 20, {L"a", L"b", L"c", L"d"}});
    const std::vector<DWORD> px = Pixels(menu->m_bmpItem[0], 60, 80);
    for (int y = 0; y < 80; ++y) EXPECT_EQ(px[(size_t)y * 60 + 30] == kPicture, y < 20) << "row " << y;
}

TEST_F(PopupMenu, RowClickPostsItsEntry) {
    auto menu = Open({60, 20, 20, {L"a", L"b", L"c", L"d"}, {48, 49, 0x1234, 0x10033}});
    struct Step {
        int row;
        WPARAM w;
        LPARAM l;
    };
    const Step steps[] = {
        {2, MAKEWPARAM(0xFFFF, 2), MAKELPARAM(0, 0x1234)},
        {0, MAKEWPARAM(0xFFFF, 0), MAKELPARAM(0, 48)},
        {3, MAKEWPARAM(0xFFFF, 3), MAKELPARAM(0, 0x0033)},  // only the low 16 bits of the data travel
    };
    int previous = -1;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.row);
        owner.Clear();
        CPngListBtn* row = menu->GetRow(s.row);
        row->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        row->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        const std::vector<Received> got = owner.Of(WM_PNGMENU_SELECT);
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].w, s.w);
        EXPECT_EQ(got[0].l, s.l);
        EXPECT_EQ(menu->GetSel(), s.row);
        EXPECT_EQ(row->GetCheck(), 1);
        if (previous >= 0) {
            EXPECT_EQ(menu->GetRow(previous)->GetCheck(), 0);
        }
        previous = s.row;
        EXPECT_TRUE(::IsWindow(menu->m_hWnd));  // the owner closes it, not the menu
    }
}

// Which source row each target row of the stretch holds; -1: none.
TEST(ThreeSliceStretch, RowsLandWhereExpected) {
    struct Case {
        const char* name;
        int s, t, edge;
        std::vector<std::pair<int, int>> rows;  // target row, source row
    };
    const Case cases[] = {
        {"one-row picture: empty middle, nothing tiled", 20, 80, 20, {{0, 0}, {19, 19}, {20, -1}, {79, -1}}},
        {"negative middle: bottom edge still at the end", 30, 90, 20,
         {{0, 0}, {29, 29}, {30, -1}, {79, -1}, {80, 20}, {89, 29}}},
        {"edge larger than the picture", 10, 50, 40, {{0, 0}, {9, 9}, {10, -1}, {49, -1}}},
        {"same height", 40, 40, 20, {{0, 0}, {20, 20}, {39, 39}}},
        {"middle band tiled", 60, 100, 20, {{10, 10}, {20, 20}, {45, 25}, {59, 39}, {60, 20}, {99, 59}}},
        {"shrunk, taller than the edge", 60, 30, 10, {{5, 5}, {19, 19}, {20, 50}, {29, 59}}},
        {"shrunk below the edge", 60, 10, 20, {{2, 2}, {4, 4}, {5, 55}, {9, 59}}},
    };
    CClientDC screen(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int w = 8;
        // Source row r is coloured (r + 1, 0x40, 0x80).
        void* bits = nullptr;
        CBitmap bmp(CreateDib32(w, c.s, &bits));  // bottom-up: source row y is bits row s - 1 - y
        for (int y = 0; y < c.s; ++y)
            for (int x = 0; x < w; ++x) static_cast<DWORD*>(bits)[(c.s - 1 - y) * w + x] = (DWORD)(y + 1) << 16 | 0x4080;
        StretchThreeSlice(bmp, screen, c.t, c.edge);
        const SIZE size = bmp.GetSize();
        ASSERT_EQ(size.cx, w);
        ASSERT_EQ(size.cy, c.t);
        const std::vector<DWORD> px = Pixels(bmp, w, c.t);
        for (auto [target, source] : c.rows) {
            const DWORD p = px[(size_t)target * w + w / 2];
            const int got = (p & 0xFFFF) == 0x4080 ? (int)(p >> 16) - 1 : -1;
            EXPECT_EQ(got, source) << "target row " << target;
        }
    }
}
