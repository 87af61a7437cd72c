#include "mainwindow/TEcfgDlg.h"
#include "app/ModuleDir.h"
#include "settings/IniFile.h"
#include "skin/Picture.h"
#include "skin/SkinFile.h"
#include <objidl.h>
#include <gdiplus.h>

namespace {
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN;
// A window whose background cannot be loaded keeps this size, not 0 by 0.
constexpr int kFallbackWidth = 1200;
constexpr int kFallbackHeight = 720;

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }
RECT Sized(const RECT& rc) { return RECT{0, 0, Width(rc), Height(rc)}; }
void MoveTo(CWnd& wnd, const RECT& rc) { wnd.MoveWindow(rc, TRUE); }

std::wstring KeyOf(int n) { return std::to_wstring(n); }
}

void CTEcfgDlg::ComposeBackground() {
    const std::wstring name = g_iniText.GetString(L"MAINSCREENNEW", L"Main", L"");
    SIZE size{0, 0};
    LoadPictureBitmap(std::wstring(g_szModuleDir) + L"skins\\" + name, m_bmpBackground, &size);
    if (!m_bmpBackground) return;

    CClientDC screen(m_hWnd);
    CBitmap composed;
    composed.CreateCompatibleBitmap(screen, size.cx, size.cy);
    {
        CDC first, second;
        first.CreateCompatibleDC(screen);
        second.CreateCompatibleDC(screen);
        first.SelectObject(composed);
        second.SelectObject(m_bmpBackground);
        ::BitBlt(first, 0, 0, size.cx, size.cy, second, 0, 0, SRCCOPY);
        for (LPCWSTR key : {L"2", L"3", L"4"}) DrawSkinPicture(L"MAINPIC", key, first, nullptr, g_szModuleDir);
    }
    // Through GDI+ the result becomes a 32-bit bitmap the controls copy from.
    Gdiplus::GpBitmap* gp = nullptr;
    HBITMAP out = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(composed, nullptr, &gp) == Gdiplus::Ok) {
        Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(gp, &out, 0);
        Gdiplus::DllExports::GdipDisposeImage(gp);
    }
    if (out) m_bmpBackground.Attach(out);
    else m_bmpBackground = std::move(composed);
}

SkinEntry CTEcfgDlg::CreateListButton(CPngListBtn& btn, LPCWSTR section, LPCWSTR key) {
    SkinEntry e = GetSkinEntry(section, key);
    const RECT sized = Sized(e.rcPos);
    std::wstring frame = e.szPicture, icon;
    if (frame.find(L"btnPng") != std::wstring::npos) {
        size_t us = frame.find(L'_');
        icon = us == std::wstring::npos ? frame : frame.substr(us + 1);
        frame = L"btnPng";
    }
    PictureSet set;
    LoadPictureSet(frame, e.bNormalOnly, set);
    if (!m_bLaidOut) btn.Create(L"", kButtonStyle, sized, m_hWnd, 0);
    btn.SetBackground(m_bmpBackground, e.rcPos);
    btn.SetImages(set[0], set[1], set[2], set[3], sized);
    MoveTo(btn, e.rcPos);
    btn.SetFontHeight(15);
    btn.SetTextColors(RGB(255, 255, 255), 0x999999, 0x999999, 0x464646);
    btn.SetText(e.szText, 0, (BYTE)-1);
    btn.SetTooltipText(e.szText, FALSE);
    if (!icon.empty()) {
        PictureSet icons;
        SIZE is{0, 0};
        LoadPictureSet(icon, 0, icons, &is);
        btn.SetIcons(icons[0], icons[1], icons[2], RECT{0, 0, is.cx, is.cy});
    }
    return e;
}

void CTEcfgDlg::CreateSwatch(CColorBtn2& swatch, LPCWSTR section, LPCWSTR key) {
    SkinEntry e = GetSkinEntry(section, key);
    if (!m_bLaidOut) {
        PictureSet set;
        LoadPictureSet(e.szPicture, e.bNormalOnly, set);
        swatch.Create(L"", kButtonStyle, e.rcPos, m_hWnd, 0);
        swatch.SetImages(set[0], set[1], set[2], set[3], Sized(e.rcPos));
        swatch.SetSwatchSources(Width(e.rcPos), Height(e.rcPos));
    }
    swatch.SetText(e.szText, 0);
    swatch.SetBackground(m_bmpBackground, e.rcPos);
    MoveTo(swatch, e.rcPos);
}

// The horizontal slider takes a control id, the vertical one does not.
template <class Slider, class... Id>
void CTEcfgDlg::CreateSlider(Slider& slider, LPCWSTR section, LPCWSTR key, int min, int max, Id... id) {
    SkinEntry e = GetSkinEntry(section, key);
    if (!m_bLaidOut) {
        PictureSet track, thumb;
        LoadPictureSet(e.szPicture, e.bNormalOnly, track);
        LoadPictureSet(std::wstring(e.szPicture) + L"_bar", e.bNormalOnly, thumb);
        slider.Create(m_hWnd, id..., e.rcPos);
        slider.SetTrackImages(track[0], track[2], track[3], Sized(e.rcPos));
        slider.SetThumbImages(thumb[0], thumb[1], thumb[2], thumb[3], 1);
        slider.SetRange(min, max);
    }
    slider.SetBackground(m_bmpBackground, e.rcPos);
    MoveTo(slider, e.rcPos);
}

void CTEcfgDlg::CreateDial(CPngRSliderBar2& slider, LPCWSTR section, LPCWSTR key, int min, int max) {
    SkinEntry e = GetSkinEntry(section, key);
    if (!m_bLaidOut) {
        PictureSet track, thumb;
        CBitmap mask;
        const bool hasMask = LoadPictureSet(e.szPicture, e.bNormalOnly, track, nullptr, &mask);
        LoadPictureSet(std::wstring(e.szPicture) + L"_bar", e.bNormalOnly, thumb);
        slider.Create(m_hWnd, e.rcPos);
        slider.SetTrackImages(track[0], track[2], Sized(e.rcPos));
        slider.SetThumbImages(thumb[0], thumb[3], 1);
        slider.SetRange(min, max);
        slider.SetPos(50);
        if (hasMask) slider.SetWindowShape(mask);
    }
    MoveTo(slider, e.rcPos);
}

void CTEcfgDlg::CreateEdit(CClrEdit& edit, LPCWSTR section, LPCWSTR key, bool decimal) {
    SkinEntry e = GetSkinEntry(section, key);
    if (!m_bLaidOut) {
        PictureSet set;
        LoadPictureSet(e.szPicture, e.bNormalOnly, set);
        edit.Create(kEditStyle | (decimal ? ES_NUMBER : 0), e.rcPos, m_hWnd, 0);
        edit.SetBkBitmap(set[0], Sized(e.rcPos));
        edit.SetEditFont(SkinFontFace(), 16);
        edit.SetLimitText(3);
        edit.SetWindowText(e.szText);
        edit.m_clrText = RGB(255, 255, 255);
    }
    MoveTo(edit, e.rcPos);
}

void CTEcfgDlg::LayoutSkin() {
    SelectSkinFile(m_state.m_setting.nLanguage);
    ComposeBackground();
    if (!m_bLaidOut) {
        const SIZE size = m_bmpBackground.GetSize();
        const int w = m_bmpBackground ? size.cx : kFallbackWidth;
        const int h = m_bmpBackground ? size.cy : kFallbackHeight;
        ::MoveWindow(m_hWnd, 0, 0, w, h, TRUE);
    }
    ReloadSkinFontFace();

    const COLORREF white = RGB(255, 255, 255);
    // Window buttons and toggles.
    CPngListBtn* windowButtons[] = {&m_btnMinimise, &m_btnClose, &m_btnLanguage, &m_btnApply, &m_btnReset,
                                    &m_btnLed, &m_btnMusic, &m_btnSync, &m_btnRazer};
    LPCWSTR windowKeys[] = {L"1", L"2", L"3", L"4", L"5", L"7", L"6", L"8", L"9"};
    for (int i = 0; i < 9; ++i) CreateListButton(*windowButtons[i], L"MAIN", windowKeys[i]);
    for (CPngListBtn* toggle : {&m_btnLed, &m_btnMusic, &m_btnSync, &m_btnRazer}) {
        toggle->SetLatched();
        toggle->SetTextColors(white, white, white, 0x464646);
    }

    // Profile buttons.
    for (int i = 0; i < 4; ++i) {
        CreateListButton(m_btnProfile[i], L"MAIN", KeyOf(21 + i).c_str());
        m_btnProfile[i].SetTextColors(0x646464, 0x646464, white, 0x464646);
    }
    m_btnProfile[0].SetCheck(1);
    m_btnMinimise.SetClickOnRelease();
    m_btnClose.SetClickOnRelease();

    // Device tabs, stacked by the kinds present.
    for (int i = 0; i < 4; ++i) {
        CPngListBtn& tab = m_btnDevTab[i];
        m_rcDevTab[i] = CreateListButton(tab, L"MAIN", KeyOf(11 + i).c_str()).rcPos;
        if (i > 0) MoveTo(tab, m_rcDevTab[0]);
        tab.SetTextColors(0x000000, 0x000000, white, 0x646464);
        tab.SetFontHeight(16);
        tab.SetTextAlign(8);
        tab.ShowWindow(SW_HIDE);
    }
    int k = 0;
    for (int d = 0; d < 4; ++d) {
        for (int j = 0; j < m_state.m_nKindCount; ++j) {
            if (m_state.m_nKinds[j] != d) continue;
            RECT rc = m_rcDevTab[0];
            ::OffsetRect(&rc, 0, 85 * k);
            MoveTo(m_btnDevTab[d], rc);
            m_btnDevTab[d].ShowWindow(SW_SHOW);
            ++k;
        }
    }
    if (m_state.m_nDeviceKind >= 0 && m_state.m_nDeviceKind < 4) m_btnDevTab[m_state.m_nDeviceKind].SetCheck(1);

    // Effect buttons.
    for (int i = 0; i < 15; ++i) {
        CreateListButton(m_btnEffect[i], L"LED", KeyOf(i + 1).c_str());
        m_btnEffect[i].SetTextColors(0x8A8A88, 0x8A8A88, white, 0x464646);
    }
    SkinEntry effect1 = GetSkinEntry(L"LED", L"2");
    m_rcEffectName = effect1.rcPos;
    m_strEffectName = effect1.szText;
    m_btnEffect[1].SetCheck(1);

    // Sliders.
    CreateSlider(m_sliderScroll, L"LED", L"21", 0, 6);
    CreateSlider(m_sliderRed, L"LED", L"22", 0, 255, kSliderRed);
    CreateSlider(m_sliderGreen, L"LED", L"23", 0, 255, kSliderGreen);
    CreateSlider(m_sliderBlue, L"LED", L"24", 0, 255, kSliderBlue);
    CreateSlider(m_sliderSaturation, L"LED", L"25", 0, 100, kSliderSaturation);
    CreateDial(m_sliderHue, L"LED", L"28", 0, 359);
    CreateSlider(m_sliderValue, L"LED", L"26", 0, 255, kSliderValue);
    CreateSlider(m_sliderSpeed, L"LED", L"27", -2, 2, kSliderSpeed);
    CreateSlider(m_sliderMusic, L"LED", L"29", 1, 50, kSliderMusic);
    m_sliderRed.SetPos(255);

    // Colour value edits with their hidden companions.
    CPngHSliderBar* rgb[] = {&m_sliderRed, &m_sliderGreen, &m_sliderBlue};
    for (int i = 0; i < 3; ++i) {
        const std::wstring key = KeyOf(31 + i);
        CreateListButton(m_btnEditBack[i], L"LED", key.c_str());
        m_btnEditBack[i].SetTextColors(white, white, white, 0x464646);
        CreateEdit(m_edit[i], L"LED", key.c_str(), true);
        const std::wstring text = std::to_wstring(rgb[i]->GetPos());
        m_btnEditBack[i].SetText(text, 0, (BYTE)-1);
        m_edit[i].SetWindowText(text);
        m_btnEditBack[i].ShowWindow(SW_HIDE);
    }
    CreateListButton(m_btnEditBack[3], L"LED", L"34");
    m_btnEditBack[3].SetTextColors(white, white, white, 0x464646);
    m_btnEditBack[3].ShowWindow(SW_HIDE);
    CreateEdit(m_edit[3], L"LED", L"34", false);
    m_edit[3].SetLimitText(6);
    m_edit[3].EnableHexInput();

    // Swatches.
    for (int i = 0; i < 8; ++i) {
        CreateSwatch(m_swatchSlot[i], L"LED", KeyOf(41 + i).c_str());
        m_swatchSlot[i].SetSwatchColour(255, 0, 0);
    }
    m_pCurSwatch = &m_swatchSlot[0];
    static const BYTE presets[5][3] = {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255}};
    for (int i = 0; i < 5; ++i) {
        CreateSwatch(m_swatchPreset[i], L"LED", KeyOf(51 + i).c_str());
        m_swatchPreset[i].SetSwatchColour(presets[i][0], presets[i][1], presets[i][2]);
    }

    CreateListButton(m_btnSameColour, L"LED", L"63");
    m_btnSameColour.SetTextColors(white, white, white, 0x464646);
    m_btnSameColour.SetLatched();
    CreateListButton(m_btnDirection[0], L"LED", L"61");
    CreateListButton(m_btnDirection[1], L"LED", L"62");
    m_btnDirection[0].SetCheck(1);
    for (CPngListBtn& b : m_btnDirection) b.SetTextColors(white, white, white, 0x464646);

    // The text area that label changes repaint.
    m_rgnText.Attach(::CreateRectRgn(1, 1, 1, 1));
    auto addToText = [this](LPCWSTR section, const std::wstring& key) {
        SkinEntry e = GetSkinEntry(section, key.c_str());
        CRgn part(::CreateRectRgnIndirect(&e.rcPos));
        ::CombineRgn(m_rgnText, m_rgnText, part, RGN_OR);
    };
    for (int i = 0; i <= 24; ++i) addToText(L"LED_TEXT", KeyOf(i));
    for (int i = 5; i <= 7; ++i) addToText(L"MAINPIC", KeyOf(i));
    m_bLaidOut = 1;
}
