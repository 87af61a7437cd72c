#include "mainwindow/TEcfgDlg.h"
#include "app/ModuleDir.h"
#include "skin/SkinFile.h"

CPngBtnMenu* g_pOpenMenu = nullptr;

void CTEcfgDlg::CloseOpenMenu() {
    CPngBtnMenu* menu = g_pOpenMenu;
    if (!menu) return;
    g_pOpenMenu = nullptr;
    if (menu->m_hWnd) menu->DestroyWindow();
    delete menu;
}

void CTEcfgDlg::RefreshProfileControls() {
    const bool modes = m_state.m_bMusicMode || m_state.m_bSyncMode;
    for (int i = 0; i < 4; ++i) m_btnProfile[i].SetCheck(i == m_state.CurrentProfileIndex() && !modes);

    m_btnDevTab[0].SetText(GetFuncString(0x31), 0, (BYTE)-1);
    m_btnDevTab[1].SetText(GetFuncString(0x32), 0, (BYTE)-1);
    const int kind = m_state.m_nDeviceKind;
    if (kind >= 0 && kind < 4) {
        std::wstring caption = kind == 0 ? GetFuncString(0x31) : kind == 1 ? GetFuncString(0x32)
                                                                          : m_btnDevTab[kind].GetText();
        if (m_state.DeviceCount(kind) > 1) {
            caption = m_state.m_nSelDevice == 0 ? GetFuncString(0x30)
                                                : caption + std::to_wstring(m_state.m_nSelDevice);
        }
        m_btnDevTab[kind].SetText(caption, 0, (BYTE)-1);
    }
    for (CPngListBtn& tab : m_btnDevTab) tab.EnableWindow(!modes);

    const int lan = m_state.m_setting.nLanguage;
    m_btnLanguage.SetText(GetFuncString(lan + 16), 0, (BYTE)-1);
}

void CTEcfgDlg::OnProfileButton(int index) {
    CheckOnly(m_btnProfile, index);
    m_state.SelectProfile(index, [this] {
        return ::MessageBoxW(m_hWnd, L"Save Profile?", L"Profile", MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
    });
    RefreshPanel(true);
}

void CTEcfgDlg::OnDeviceTab(int kind) {
    CheckOnly(m_btnDevTab, kind);
    if (m_state.SelectKind(kind)) OpenPopupMenu(m_btnDevTab[kind], true);
    else RefreshPanel(true);
}

void CTEcfgDlg::OpenPopupMenu(CPngListBtn& button, bool deviceMenu) {
    RECT rc = button.GetClientRect();
    ::MapWindowPoints(button.m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    CloseOpenMenu();
    auto* menu = new CPngBtnMenu(m_hWnd);
    g_pOpenMenu = menu;

    const std::wstring prefix = deviceMenu ? L"Device" : L"Len";
    if (deviceMenu) {
        menu->SetPosition(rc.right, rc.top);
        menu->SetItemHeight(24);
        menu->SetItemFontHeight(15);
        menu->SetItemAlign(0, 5);
    } else {
        menu->SetPosition(rc.left, rc.bottom);
        menu->SetItemHeight(20);
        menu->SetItemFontHeight(15);
        menu->SetItemAlign(1, 0);
        menu->SetItemColors(0x999999, 0xFFFFFF);
    }
    const std::wstring dir = std::wstring(g_szModuleDir) + L"Skins\\Menu\\";
    const std::wstring normal = dir + prefix + L"_menu_normal.png";
    const std::wstring over = dir + prefix + L"_menu_over.png";
    menu->SetMenuPictures(normal, over, over, normal);

    if (deviceMenu) {
        const int kind = m_state.m_nDeviceKind;
        menu->AddItem(GetFuncString(0x30), 48);
        const std::wstring name = GetFuncString(kind == 1 ? 0x32 : 0x31);
        const int n = m_state.DeviceCount(kind);
        for (int d = 1; d <= n && d <= 15; ++d) menu->AddItem(name + std::to_wstring(d), 48 + d);
    } else {
        for (int i = 0; i < 4; ++i) menu->AddItem(GetFuncString(0x10 + i), 16 + i);
    }
    menu->CreateMenuWindow();
}

void CTEcfgDlg::OnMenuSelect(int value) {
    CloseOpenMenu();
    if (value >= 48 && value <= 63) {
        m_state.SelectDevice(value - 48);
        RefreshPanel(true);
    } else if (value >= 16 && value <= 19) {
        m_state.m_setting.nLanguage = value - 16;
        LayoutSkin();
        RefreshPanel(true);
        Invalidate(FALSE);
    }
}

void CTEcfgDlg::InitDeviceSelection() {
    // The lighting state chose the edited record when it was initialised.
    RefreshPanel(true);
}
