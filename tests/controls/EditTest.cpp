#include "ControlTestParent.h"
#include "controls/ClrEdit.h"
#include <gtest/gtest.h>

using namespace lktest;

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN;

class Edits : public ::testing::Test {
public:
    void SetUp() override {
        hex.Create(kEditStyle, RECT{20, 20, 100, 44}, parent, 0);
        hex.SetLimitText(6);
        hex.EnableHexInput();
        dec.Create(kEditStyle, RECT{20, 60, 100, 84}, parent, 0);
        dec.SetLimitText(3);
        parent.Clear();
    }
    void Type(CClrEdit& e, const std::wstring& chars) {
        for (wchar_t c : chars) e.SendMessage(WM_CHAR, c, 1);
    }
    TestParent parent;
    CClrEdit hex, dec;
};

}  // namespace

TEST_F(Edits, HexEditTakesHexDigitsOnlyAndReportsEveryCharacter) {
    struct Case { CClrEdit Edits::*edit; std::wstring typed; std::wstring text; };
    const Case cases[] = {
        {&Edits::hex, L"g- \x01\x1A\r\x1B", L""},  // letters past f, minus, space, Ctrl+A, Ctrl+Z, Enter, Escape
        {&Edits::hex, L"fF0", L"fF0"},
        {&Edits::hex, L"aB12", L"fF0aB1"},         // the seventh character meets the limit
        {&Edits::hex, L"\b", L"fF0aB"},            // backspace passes
        {&Edits::dec, L"g1", L"g1"},               // a decimal edit filters nothing itself
    };
    for (const Case& c : cases) {
        CClrEdit& e = this->*c.edit;
        Type(e, c.typed);
        EXPECT_EQ(e.GetWindowText(), c.text) << (c.edit == &Edits::hex ? "hex" : "dec");
        auto got = parent.Of(WM_LK_EDIT_CHAR);
        EXPECT_EQ(got.size(), c.typed.size());
        for (const Received& r : got) {
            EXPECT_EQ(r.w, 0u);
            EXPECT_EQ(r.l, 0);  // the control ID
        }
        parent.Clear();
    }
    for (WPARAM c : {3u, 22u, 24u, 8u}) EXPECT_TRUE(CClrEdit::IsHexChar(c));
}

TEST_F(Edits, ClickTellsTheParentBeforeTakingTheFocus) {
    ::SetFocus(parent);
    hex.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    hex.SendMessage(WM_LBUTTONUP, 0, At(5, 5));
    std::vector<Received> got;
    for (const Received& r : parent.Of(WM_COMMAND))
        if (r.w == 0) got.push_back(r);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ((HWND)got[0].l, hex.m_hWnd);
    EXPECT_NE(got[0].focus, hex.m_hWnd);
    EXPECT_EQ(::GetFocus(), hex.m_hWnd);
}

TEST_F(Edits, ColourQueryPaintsOverItsOwnBrushAndKeepsOne) {
    CBitmap picture(SolidBitmap(80, 24, 0x303030));
    hex.SetBkBitmap(picture, RECT{0, 0, 80, 24});
    EXPECT_FALSE(hex.GetStyle() & (WS_BORDER | WS_TABSTOP));
    hex.m_clrText = 0x00FF00;
    CClientDC dc(hex);
    const long live = gdi::LiveObjects();
    for (int i = 0; i < 3; ++i) {
        HBRUSH brush = (HBRUSH)parent.SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc.GetSafeHdc(), (LPARAM)hex.m_hWnd);
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(::GetTextColor(dc), 0x00FF00u);
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
        EXPECT_EQ(gdi::LiveObjects(), live + 1);  // the previous brush went
    }
    // Without a background the parent's default colours stay.
    EXPECT_NE((HBRUSH)parent.SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc.GetSafeHdc(), (LPARAM)dec.m_hWnd), nullptr);
}
