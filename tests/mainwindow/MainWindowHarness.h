#pragma once
// The main window under test, made modelessly over a program folder, with
// a stand-in agent window so no agent process is ever started.
#include "TestPictures.h"
#include "TestUtil.h"
#include "mainwindow/TEcfgDlg.h"
#include <memory>

namespace lktest {

// A window titled as the lighting agent; counts the reload notices.
class FakeAgent : public CWnd {
public:
    FakeAgent();
    ~FakeAgent() override { DestroyWindow(); }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    int reloads = 0;
};
FakeAgent& Agent();

// The main window over `dir` (ending with a backslash), running on the
// first-run defaults with no settings file; shown and active.
std::unique_ptr<CTEcfgDlg> OpenMainWindow(const std::wstring& dir);

// Runs the queued messages as the window's modal loop does.
void PumpLikeModal(CTEcfgDlg& dlg);

// WS_VISIBLE of the window itself, whatever its parent's state.
bool Shown(HWND wnd);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND wnd);

}  // namespace lktest
