#include "framework/Dialog.h"
#include "framework/WinApp.h"

INT_PTR CALLBACK CDialog::DlgProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG) return FALSE;
    auto* dlg = reinterpret_cast<CDialog*>(lParam);
    if (!dlg || CWnd::FromHandle(hwnd) != dlg) return TRUE;
    try {
        return dlg->OnInitDialog();
    } catch (...) {
        return TRUE;
    }
}

HWND CDialog::CreateFromTemplate(HWND parent) {
    HINSTANCE inst = AfxGetInstanceHandle();
    HRSRC res = ::FindResourceW(inst, MAKEINTRESOURCEW(m_nTemplate), (LPCWSTR)RT_DIALOG);
    HGLOBAL mem = res ? ::LoadResource(inst, res) : nullptr;
    auto* tmpl = mem ? (LPCDLGTEMPLATEW)::LockResource(mem) : nullptr;
    if (!tmpl) return nullptr;
    HWND hwnd;
    {
        CreationHook hook(this);
        hwnd = ::CreateDialogIndirectParamW(inst, tmpl, parent, &CDialog::DlgProc, (LPARAM)this);
    }
    if (!hwnd && m_hWnd) m_hWnd = nullptr;
    return hwnd;
}

BOOL CDialog::CreateModeless(HWND parent) {
    m_bModal = false;
    return CreateFromTemplate(parent) != nullptr;
}

INT_PTR CDialog::DoModal() {
    m_bModal = true;
    m_bEnd = false;
    m_nResult = -1;
    HWND owner = m_hParent;
    if (!CreateFromTemplate(owner)) {
        m_bModal = false;
        return -1;
    }
    bool ownerDisabled = owner && ::IsWindowEnabled(owner) && ::EnableWindow(owner, FALSE) == 0;
    if (!m_bEnd && m_hWnd) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);

    MSG msg;
    bool quit = false;
    while (!m_bEnd && m_hWnd) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) { quit = true; break; }
        if (CWnd::WalkPreTranslateTree(m_hWnd, &msg)) continue;
        if (m_hWnd && ::IsDialogMessageW(m_hWnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (ownerDisabled) ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        if (owner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
        ::DestroyWindow(m_hWnd);
    }
    if (quit) ::PostQuitMessage((int)msg.wParam);
    m_bModal = false;
    return m_nResult;
}

void CDialog::EndDialog(INT_PTR result) {
    m_nResult = result;
    m_bEnd = true;
    if (m_bModal) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the loop
    else if (m_hWnd) ::DestroyWindow(m_hWnd);
}

BOOL CDialog::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    case ID_HELP:
        if (CWinApp* app = AfxGetApp()) return app->OnCommand(ID_HELP);
        return FALSE;
    }
    return FALSE;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // F1 arrives as WM_HELP; the framework turns it into the help command.
    if (msg == WM_HELP) {
        ::SendMessageW(m_hWnd, WM_COMMAND, ID_HELP, 0);
        return TRUE;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
