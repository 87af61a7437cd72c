#pragma once
#include "framework/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The order of a run: InitInstance; when it returns zero, ExitInstance
    // alone; otherwise the message loop (ended at once when there is no main
    // window) and then ExitInstance, whose result is the exit code.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();
    virtual int Run();
    // Commands no window took (e.g. ID_HELP); true when handled.
    virtual BOOL OnCommand(UINT id) { (void)id; return FALSE; }

    CWnd* m_pMainWnd = nullptr;
    int m_nQuitCode = 0;

    static int WinMainRun(CWinApp* app);
};

CWinApp* AfxGetApp();
