// The effect panel of the main window built from the shipped skin: which
// controls each effect shows, the colour controls in step, the effect list's
// scrolling, keys, and language switches.
#include "MainWindowHarness.h"
#include "skin/SkinFile.h"
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace lktest;

class MainWindowPanel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dlg = OpenMainWindow(DistDir());
        ASSERT_TRUE(dlg);
    }
    static void TearDownTestSuite() { dlg.reset(); }

    // Each test starts on the first-run defaults with no device, so the
    // records keep the LED counts a test gives them.
    void SetUp() override {
        ASSERT_TRUE(dlg && ::IsWindow(dlg->m_hWnd));
        dlg->m_pActiveEdit = nullptr;
        dlg->m_state.SetDeviceKinds({});
        dlg->m_state.Initialise(L"");
        dlg->InitDeviceSelection();
        PumpMessages();
        Agent().reloads = 0;
    }

    static void Click(const CWnd& control) {
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), (LPARAM)control.m_hWnd);
    }
    static void Slide(int id, int pos) { dlg->SendMessage(WM_SLIDER_POS, (WPARAM)pos, (LPARAM)id); }
    // A key press and release as the keyboard queues them for the focus.
    static void Key(UINT vk) {
        HWND focus = ::GetFocus();
        ::PostMessageW(focus, WM_KEYDOWN, vk, 0x00000001);
        ::PostMessageW(focus, WM_KEYUP, vk, 0xC0000001);
        PumpLikeModal(*dlg);
    }
    // The record of the current device takes `effect` and `leds`, and the
    // panel is refreshed from the state.
    static void Show(int effect, int leds, BOOL music = FALSE, BOOL sync = FALSE) {
        CLightingState& st = dlg->m_state;
        st.m_setting.bAudio = music;
        st.m_setting.bSync = sync;
        st.EditedRecord().nEffect = effect;
        st.EditedRecord().nLedCount = leds;
        st.Refresh(true);
        dlg->RefreshPanel(true);
    }
    static int ShownSlots() {
        int mask = 0;
        for (int i = 0; i < 8; ++i) mask |= Shown(dlg->m_swatchSlot[i].m_hWnd) << i;
        return mask;
    }

    static std::unique_ptr<CTEcfgDlg> dlg;
};
std::unique_ptr<CTEcfgDlg> MainWindowPanel::dlg;

TEST_F(MainWindowPanel, ControlsShownForTheEffect) {
    struct Case {
        const char* name;
        int effect, leds;
        BOOL music, sync;
        int slots;  // bit i: slot i shown
        bool colour, sameColour, speed, direction;
    };
    const Case cases[] = {
        {"colour effect, 3 LEDs", 0, 3, FALSE, FALSE, 0x07, true, true, false, false},
        {"music mode shows every slot", 0, 3, TRUE, FALSE, 0xFF, true, true, false, true},
        {"effect 7: one slot, no same-colour button", 7, 8, FALSE, FALSE, 0x01, true, false, true, false},
        {"effect 9: one slot, no same-colour button", 9, 8, FALSE, FALSE, 0x01, true, false, true, true},
        {"effect 4: speed only", 4, 8, FALSE, FALSE, 0x00, false, false, true, false},
        {"sync mode: no panel", 9, 8, FALSE, TRUE, 0x00, false, false, false, false},
        {"an effect past the table: no panel", 99, 8, FALSE, FALSE, 0x00, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Show(c.effect, c.leds, c.music, c.sync);
        EXPECT_EQ(ShownSlots(), c.slots);
        EXPECT_EQ(Shown(dlg->m_btnSameColour.m_hWnd), c.sameColour);
        for (const CWnd* w : std::initializer_list<const CWnd*>{
                 &dlg->m_sliderHue, &dlg->m_sliderSaturation, &dlg->m_sliderValue, &dlg->m_sliderRed,
                 &dlg->m_sliderGreen, &dlg->m_sliderBlue, &dlg->m_edit[0], &dlg->m_edit[3], &dlg->m_swatchPreset[4]})
            EXPECT_EQ(Shown(w->m_hWnd), c.colour);
        EXPECT_EQ(Shown(dlg->m_sliderSpeed.m_hWnd), c.speed);
        EXPECT_EQ(Shown(dlg->m_btnDirection[1].m_hWnd), c.direction);
        EXPECT_EQ(Shown(dlg->m_sliderMusic.m_hWnd), (bool)c.music);
        EXPECT_EQ(Shown(dlg->m_btnRazer.m_hWnd), (bool)c.sync);
    }
    // A number without an effect button has no name either.
    Show(99, 8);
    EXPECT_EQ(dlg->m_strEffectName, L"");
}

TEST_F(MainWindowPanel, EffectButtonSelectsItsEffect) {
    Show(0, 8);
    Click(dlg->m_btnEffect[7]);
    EXPECT_EQ(dlg->m_state.m_nEffect, 7);
    EXPECT_EQ(dlg->m_state.EditedRecord().nEffect, 7);
    EXPECT_EQ(dlg->m_strEffectName, dlg->m_btnEffect[7].GetText());
    EXPECT_FALSE(dlg->m_strEffectName.empty());
    for (int i = 0; i < 15; ++i) EXPECT_EQ(dlg->m_btnEffect[i].GetCheck(), i == 7) << i;
    EXPECT_EQ(ShownSlots(), 0x01);
    EXPECT_FALSE(Shown(dlg->m_btnSameColour.m_hWnd));
    EXPECT_EQ(Agent().reloads, 0);  // selecting is not applying
}

TEST_F(MainWindowPanel, ColourControlsStayInStep) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> moves;  // slider id, position
        int r, g, b, h, s, v;
        const wchar_t* hex;
    };
    const Case cases[] = {
        {"hue ring to 120 at full saturation and value",
         {{kSliderSaturation, 100}, {kSliderValue, 255}, {kSliderHue, 120}}, 0, 255, 0, 120, 100, 255, L"00FF00"},
        {"red slider to 255 on blue",
         {{kSliderRed, 0}, {kSliderGreen, 0}, {kSliderBlue, 255}, {kSliderRed, 255}}, 255, 0, 255, 300, 100, 255,
         L"FF00FF"},
    };
    Show(0, 8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto [id, pos] : c.moves) Slide(id, pos);
        EXPECT_EQ(dlg->m_sliderRed.GetPos(), c.r);
        EXPECT_EQ(dlg->m_sliderGreen.GetPos(), c.g);
        EXPECT_EQ(dlg->m_sliderBlue.GetPos(), c.b);
        EXPECT_EQ(dlg->m_sliderHue.GetPos(), c.h);
        EXPECT_EQ(dlg->m_sliderSaturation.GetPos(), c.s);
        EXPECT_EQ(dlg->m_sliderValue.GetPos(), c.v);
        EXPECT_EQ(dlg->m_edit[0].GetWindowText(), std::to_wstring(c.r));
        EXPECT_EQ(dlg->m_edit[1].GetWindowText(), std::to_wstring(c.g));
        EXPECT_EQ(dlg->m_edit[2].GetWindowText(), std::to_wstring(c.b));
        EXPECT_EQ(dlg->m_edit[3].GetWindowText(), c.hex);
        const COLORREF colour = RGB(c.r, c.g, c.b);
        ASSERT_TRUE(dlg->m_pCurSwatch);
        EXPECT_EQ(dlg->m_pCurSwatch->GetSwatchColour(), colour);
        EXPECT_EQ(dlg->m_state.TargetColours()[dlg->m_state.m_nSlot], colour);
    }
}

// A refresh with reset scrolls the list so the current effect is visible.
TEST_F(MainWindowPanel, ResetViewShowsTheEffect) {
    const struct {
        int effect, firstRow;
    } cases[] = {{3, 0}, {8, 0}, {9, 1}, {12, 4}, {14, 6}};
    const RECT top = dlg->m_rcEffectName;
    ASSERT_FALSE(::IsRectEmpty(&top));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.effect);
        Show(c.effect, 8);
        EXPECT_EQ(dlg->m_sliderScroll.GetPos(), c.firstRow);
        for (int n = 0; n < 15; ++n) {
            const RECT rc = RectInParent(dlg->m_btnEffect[n].m_hWnd);
            const bool listed = n != 0 && n >= c.firstRow + 1 && n <= c.firstRow + 8;
            EXPECT_EQ(!::IsRectEmpty(&rc), listed) << "effect " << n;
            if (listed) {
                RECT want = top;
                ::OffsetRect(&want, 0, 37 * (n - c.firstRow - 1));
                EXPECT_TRUE(::EqualRect(&rc, &want)) << "effect " << n << " at " << rc.left << "," << rc.top;
            }
        }
    }
    // Effect 12 ends in the bottom row of eight.
    Show(12, 8);
    RECT bottom = top;
    ::OffsetRect(&bottom, 0, 37 * 7);
    const RECT rc12 = RectInParent(dlg->m_btnEffect[12].m_hWnd);
    EXPECT_TRUE(::EqualRect(&rc12, &bottom));
}

// Escape never closes the window nor saves, wherever the focus is.
TEST_F(MainWindowPanel, EscapeDoesNothing) {
    for (CWnd* target : std::initializer_list<CWnd*>{&dlg->m_edit[3], &dlg->m_edit[0], &dlg->m_btnProfile[1]}) {
        ::SetFocus(target->m_hWnd);
        Key(VK_ESCAPE);
        ASSERT_TRUE(::IsWindow(dlg->m_hWnd));
        EXPECT_TRUE(::IsWindowVisible(dlg->m_hWnd));
        EXPECT_FALSE(dlg->m_state.m_saved.nCurrentProfile != dlg->m_state.m_setting.nCurrentProfile);
        EXPECT_EQ(Agent().reloads, 0);
    }
}

// Enter in a colour edit normalises its text and commits the colour; the
// window neither closes nor saves.
TEST_F(MainWindowPanel, EnterInAColourEditCommits) {
    struct Case {
        const char* name;
        int edit;
        const wchar_t *typed, *shown;
        int r, g, b;
    };
    const Case cases[] = {
        {"hexadecimal edit", 3, L"00ff00", L"00FF00", 0, 255, 0},
        {"short hexadecimal text", 3, L"12", L"120000", 18, 0, 0},
        {"red edit over 255", 0, L"300", L"255", 255, 20, 30},
        {"empty green edit", 1, L"", L"0", 10, 0, 30},
        // Pasted texts a float parse would take for numbers.
        {"nan in the red edit", 0, L"nan", L"0", 0, 20, 30},
        {"inf in the green edit", 1, L"inf", L"0", 10, 0, 30},
        {"hexadecimal in the blue edit", 2, L"0x5", L"0", 10, 20, 0},
    };
    Show(0, 8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto [id, pos] : {std::pair{kSliderRed, 10}, {kSliderGreen, 20}, {kSliderBlue, 30}}) Slide(id, pos);
        CClrEdit& edit = dlg->m_edit[c.edit];
        edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        ASSERT_EQ(dlg->m_pActiveEdit, &edit);
        ASSERT_EQ(::GetFocus(), edit.m_hWnd);
        edit.SetWindowText(c.typed);
        Key(VK_RETURN);
        ASSERT_TRUE(::IsWindow(dlg->m_hWnd));
        EXPECT_EQ(edit.GetWindowText(), c.shown);
        EXPECT_EQ(dlg->m_sliderRed.GetPos(), c.r);
        EXPECT_EQ(dlg->m_sliderGreen.GetPos(), c.g);
        EXPECT_EQ(dlg->m_sliderBlue.GetPos(), c.b);
        EXPECT_EQ(dlg->m_state.TargetColours()[dlg->m_state.m_nSlot], RGB(c.r, c.g, c.b));
        EXPECT_EQ(dlg->m_pActiveEdit, nullptr);
        EXPECT_EQ(::GetFocus(), dlg->m_btnProfile[0].m_hWnd);
        EXPECT_EQ(Agent().reloads, 0);
    }
}

namespace {
struct Census {
    int children = 0, threadWindows = 0;
    long gdiObjects = 0;
};
BOOL CALLBACK CountOne(HWND, LPARAM n) {
    ++*reinterpret_cast<int*>(n);
    return TRUE;
}
Census Take(HWND dlg) {
    PumpMessages();
    Census c;
    ::EnumChildWindows(dlg, CountOne, (LPARAM)&c.children);
    ::EnumThreadWindows(::GetCurrentThreadId(), CountOne, (LPARAM)&c.threadWindows);
    c.gdiObjects = gdi::LiveObjects();
    return c;
}
}  // namespace

// Each language choice lays the window out again in place: twenty of them
// leave no more windows and GDI objects than one.
TEST_F(MainWindowPanel, LanguageSwitchesLeaveNothingBehind) {
    dlg->OnMenuSelect(16);
    const Census one = Take(dlg->m_hWnd);
    for (int i = 1; i <= 20; ++i) {
        dlg->OnMenuSelect(16 + i % 4);
        if (16 + i % 4 == 19) {
            EXPECT_EQ(dlg->m_btnLanguage.GetText(), GetFuncString(0x13));
        }
    }
    EXPECT_EQ(dlg->m_state.m_setting.nLanguage, 0);
    const Census twenty = Take(dlg->m_hWnd);
    EXPECT_LE(twenty.children, one.children);
    EXPECT_LE(twenty.threadWindows, one.threadWindows);
    EXPECT_LE(twenty.gdiObjects, one.gdiObjects);
    EXPECT_EQ(Agent().reloads, 0);  // the choice is stored only by a later apply
}

// A click on the language button commits the active edit (clamped, for a
// value that never went through the key check) and the menu stays open.
TEST_F(MainWindowPanel, MenuOpensOverAnActiveEdit) {
    Show(0, 8);
    CClrEdit& red = dlg->m_edit[0];
    red.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    red.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(dlg->m_pActiveEdit, &red);
    red.SetWindowText(L"999");
    Click(dlg->m_btnLanguage);
    PumpMessages();
    ASSERT_TRUE(g_pOpenMenu);
    EXPECT_TRUE(::IsWindowVisible(g_pOpenMenu->m_hWnd));
    EXPECT_EQ(dlg->m_pActiveEdit, nullptr);
    EXPECT_EQ(dlg->m_sliderRed.GetPos(), 255);
    EXPECT_EQ(GetRValue(dlg->m_state.TargetColours()[dlg->m_state.m_nSlot]), 255);
    dlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 300));
    EXPECT_FALSE(g_pOpenMenu);
}

// The language menu opens below its button, any click elsewhere closes it
// without a trace, and a row click picks the language.
TEST_F(MainWindowPanel, LanguageMenuOpensClosesAndChooses) {
    RECT button = dlg->m_btnLanguage.GetClientRect();
    ::MapWindowPoints(dlg->m_btnLanguage.m_hWnd, nullptr, reinterpret_cast<POINT*>(&button), 2);
    const Census closed = Take(dlg->m_hWnd);
    for (int i = 0; i < 10; ++i) {
        Click(dlg->m_btnLanguage);
        ASSERT_TRUE(g_pOpenMenu);
        const RECT rc = g_pOpenMenu->GetWindowRect();
        EXPECT_EQ(rc.left, button.left);
        EXPECT_EQ(rc.top, button.bottom);
        ASSERT_EQ(g_pOpenMenu->GetItemCount(), 4);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(g_pOpenMenu->GetRow(k)->GetText(), GetFuncString(0x10 + k));
        dlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 300));
        EXPECT_FALSE(g_pOpenMenu);
    }
    const Census after = Take(dlg->m_hWnd);
    EXPECT_LE(after.threadWindows, closed.threadWindows);
    EXPECT_LE(after.gdiObjects, closed.gdiObjects);

    // A second press of the button only closes the open menu.
    Click(dlg->m_btnLanguage);
    Click(dlg->m_btnLanguage);
    EXPECT_FALSE(g_pOpenMenu);

    for (int language : {3, 0}) {
        SCOPED_TRACE(language);
        Click(dlg->m_btnLanguage);
        ASSERT_TRUE(g_pOpenMenu);
        CPngListBtn* row = g_pOpenMenu->GetRow(language);
        row->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        row->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        ASSERT_TRUE(WaitFor([] { return g_pOpenMenu == nullptr; }, 5000));
        EXPECT_EQ(dlg->m_state.m_setting.nLanguage, language);
        EXPECT_EQ(dlg->m_btnLanguage.GetText(), GetFuncString(0x10 + language));
    }
}
