#include "app/TEcfgApp.h"
#include "app/Directories.h"
#include "app/Log.h"
#include "app/ModuleDir.h"
#include "framework/Dialog.h"
#include "mainwindow/TEcfgDlg.h"
#include <objbase.h>
#include <gdiplus.h>

CTEcfgApp theApp;

namespace {
const wchar_t kInstanceName[] = L"Veltrane Lumenkit_Config";
}

BOOL CTEcfgApp::InitInstance() {
    m_hMutex = ::CreateMutexW(nullptr, FALSE, kInstanceName);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        return -1;  // silent: the running instance is left alone
    }
    InitModuleDir();
    WriteLog(g_szModuleDir);
    CreateAppDataDir(L"\\Veltrane\\Lumenkit\\");

    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, thread and codecs on
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    m_gdiplusToken = token;

    WriteLog(L"STEP CreateDlg");
    {
        CTEcfgDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        WriteLog(L"STEP CreateDlg -End");
        m_pMainWnd = nullptr;
    }
    WriteLog(L"Instance End");
    return TRUE;
}

int CTEcfgApp::ExitInstance() {
    WriteLog(L"STEP-ExitInstance()-End");
    if (m_gdiplusToken) Gdiplus::GdiplusShutdown(m_gdiplusToken);
    m_gdiplusToken = 0;
    if (m_hMutex) {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
    return CWinApp::ExitInstance();
}

BOOL CTEcfgApp::OnCommand(UINT id) {
    if (id != ID_HELP) return FALSE;
    OpenHelp();
    return TRUE;
}
