#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

struct TestApp : CWinApp {
    std::vector<UINT> commands;
    BOOL OnCommand(UINT id) override { commands.push_back(id); return TRUE; }
};

// An owner-drawn button that records what its parent reflects to it.
struct RecordingButton : CButton {
    int drawn = 0;
    std::vector<WORD> notifications;
    std::vector<UINT> pretranslated;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
    bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) override {
        if (msg != WM_COMMAND) return false;
        notifications.push_back(HIWORD(wParam));
        *result = 0;
        return HIWORD(wParam) == BN_DOUBLECLICKED;  // clicks go on to the parent
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        pretranslated.push_back(msg->message);
        return FALSE;
    }
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        if (msg == WM_APP + 1) throw std::runtime_error("must not cross into the system");
        return CButton::WindowProc(msg, w, l);
    }
};

struct TestDialog : CDialog {
    TestDialog() : CDialog(100) {}
    RecordingButton button;
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    std::vector<UINT> pretranslated;
    std::function<void(TestDialog&)> script;
    BOOL OnInitDialog() override {
        button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{10, 10, 60, 40}, m_hWnd, 0);
        if (script) PostMessage(WM_APP);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        pretranslated.push_back(msg->message);
        return CDialog::PreTranslateMessage(msg);
    }
    BOOL OnCommand(WPARAM w, LPARAM l) override {
        commands.push_back({w, l});
        return CDialog::OnCommand(w, l);
    }
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        if (msg == WM_APP) { script(*this); return 0; }
        return CDialog::WindowProc(msg, w, l);
    }
};

}  // namespace

TEST(Gdi, OwnersCountAndFreeEverything) {
    const long before = gdi::LiveObjects();
    {
        CClientDC screen(nullptr);
        CBitmap bmp;
        ASSERT_TRUE(bmp.CreateCompatibleBitmap(screen, 8, 4));
        EXPECT_EQ(bmp.GetSize().cx, 8);
        CBrush brush;
        brush.CreateSolidBrush(RGB(1, 2, 3));
        CBitmap moved(std::move(bmp));
        EXPECT_FALSE(bmp);
        {
            CDC mem;
            ASSERT_TRUE(mem.CreateCompatibleDC(screen));
            mem.SelectObject(moved);  // deselected by the DC itself at scope exit
            EXPECT_EQ(gdi::LiveObjects(), before + 4);
        }
        // The bitmap is no longer selected anywhere, so it can be deleted.
        HBITMAP raw = moved.Detach();
        EXPECT_TRUE(::DeleteObject(raw));
    }
    EXPECT_EQ(gdi::LiveObjects(), before);
}

TEST(Dialog, ModalLoopRoutesReflectsAndEnds) {
    TestApp app;
    TestDialog dlg;
    int stage = 0;
    dlg.script = [&stage](TestDialog& d) {
        if (stage++ > 0) {  // second round: everything queued has been routed
            d.EndDialog(42);
            return;
        }
        HWND b = d.button.m_hWnd;
        // A posted message to the child is pre-translated by it, then its parents.
        ::PostMessageW(b, WM_MOUSEMOVE, 0, 0);
        // Commands are offered to the child first; a click goes on to
        // OnCommand, the double-click is taken by the child.
        ::SendMessageW(d.m_hWnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), (LPARAM)b);
        ::SendMessageW(d.m_hWnd, WM_COMMAND, MAKEWPARAM(0, BN_DOUBLECLICKED), (LPARAM)b);
        ::InvalidateRect(b, nullptr, TRUE);
        ::UpdateWindow(b);
        // An exception inside a handler is contained.
        ::SendMessageW(b, WM_APP + 1, 0, 0);
        // F1 becomes the help command of the application.
        ::SendMessageW(d.m_hWnd, WM_HELP, 0, 0);
        ::PostMessageW(d.m_hWnd, WM_APP, 0, 0);
    };
    INT_PTR result = dlg.DoModal();
    EXPECT_EQ(result, 42);
    EXPECT_EQ(dlg.m_hWnd, nullptr);

    EXPECT_GE(dlg.button.drawn, 1);
    ASSERT_GE(dlg.button.notifications.size(), 2u);
    EXPECT_EQ(dlg.button.notifications[0], BN_CLICKED);
    EXPECT_EQ(dlg.button.notifications[1], BN_DOUBLECLICKED);
    // Only the click reached the dialog's OnCommand (besides the help command).
    ASSERT_EQ(dlg.commands.size(), 2u);
    EXPECT_EQ(dlg.commands[0].first, MAKEWPARAM(0, BN_CLICKED));
    EXPECT_EQ(dlg.commands[1].first, (WPARAM)ID_HELP);
    EXPECT_EQ(app.commands, std::vector<UINT>{ID_HELP});
    // The child saw the posted mouse move before its parent did.
    bool childSaw = false, parentSaw = false;
    for (UINT m : dlg.button.pretranslated) childSaw |= m == WM_MOUSEMOVE;
    for (UINT m : dlg.pretranslated) parentSaw |= m == WM_MOUSEMOVE;
    EXPECT_TRUE(childSaw);
    EXPECT_TRUE(parentSaw);
    EXPECT_EQ(dlg.button.m_hWnd, nullptr);  // children go with the dialog
}
