#include "mainwindow/TEcfgDlg.h"
#include "res/resource.h"

CTEcfgDlg::CTEcfgDlg() : CDialog(IDD_TECFG_DIALOG) {
    m_hIcon = ::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

CTEcfgDlg::~CTEcfgDlg() = default;

BOOL CTEcfgDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(L"Veltrane Lumenkit_Config");
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    return TRUE;
}

LRESULT CTEcfgDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_QUERYDRAGICON) return (LRESULT)m_hIcon;
    return CDialog::WindowProc(msg, wParam, lParam);
}
