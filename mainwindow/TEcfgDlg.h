#pragma once
// The configurator's only top-level window: built from the skin, painted
// off-screen, and the editor of the lighting state.
#include "controls/ClrEdit.h"
#include "controls/ColorBtn2.h"
#include "controls/PngBtnMenu.h"
#include "controls/PngListBtn.h"
#include "controls/PngHSliderBar.h"
#include "controls/PngRSliderBar2.h"
#include "controls/PngVSliderBar.h"
#include "devices/DeviceFinder.h"
#include "skin/SkinFile.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "settings/LightingState.h"
#include <optional>
#include <string>

// Slider identities reported with 0x446.
enum : int {
    kSliderScroll = CPngVSliderBar::kID,
    kSliderRed = 10002,
    kSliderGreen = 10003,
    kSliderBlue = 10004,
    kSliderSaturation = 10005,
    kSliderHue = CPngRSliderBar2::kID,
    kSliderValue = 10007,
    kSliderSpeed = 10008,
    kSliderMusic = 10010,
};

inline constexpr UINT WM_SLIDER_POS = WM_LK_SLIDER_POS;   // 0x446
inline constexpr UINT WM_MENU_SELECT = WM_PNGMENU_SELECT;  // 0x501
// The effect list: the wheel scrolls it while the pointer is over it.
inline constexpr RECT kEffectListArea{91, 93, 242, 437};

// The open pop-up menu, if any (at most one exists).
extern CPngBtnMenu* g_pOpenMenu;

class CTEcfgDlg : public CDialog {
public:
    CTEcfgDlg();
    ~CTEcfgDlg() override;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    // Modeless creation from the same template (the application runs it modally).
    virtual BOOL Create(HWND parent) { return CreateModeless(parent); }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Construction and layout.
    void LayoutSkin();
    // Painting.
    void PaintSkinTexts(HDC dc);
    // Effect panel.
    void RefreshPanel(bool resetView);
    void ShowEffectControls();
    void UpdateColour(int mode);
    void ScrollEffectList(int firstRow);
    // Profiles, menus and device tabs.
    void CloseOpenMenu();
    void OnProfileButton(int index);
    void OnDeviceTab(int kind);
    void OpenPopupMenu(CPngListBtn& button, bool deviceMenu);
    void OnMenuSelect(int value);
    void InitDeviceSelection();

    // The row of the effect-capability table that applies now.
    int CapsRow() const;

    HICON m_hIcon = nullptr;
    // Set before creation to keep the window off the per-user settings file
    // (an empty path runs on the first-run defaults and writes nothing).
    std::optional<std::wstring> m_configPath;
    CLightingState m_state;
    CDeviceFinder m_deviceFinder;

    CBitmap m_bmpBackground;
    CRgn m_rgnText;
    int m_bLaidOut = 0;
    RECT m_rcDevTab[4]{};
    std::wstring m_strEffectName;
    RECT m_rcEffectName{};

    // Window buttons, toggles, profiles, tabs, effects.
    CPngListBtn m_btnMinimise, m_btnClose, m_btnLanguage, m_btnApply, m_btnReset;
    HCURSOR m_hCursorBeforeSave = nullptr;
    CPngListBtn m_btnLed, m_btnMusic, m_btnSync, m_btnRazer;
    CPngListBtn m_btnProfile[4];
    CPngListBtn m_btnDevTab[4];
    CPngListBtn m_btnEffect[15];
    // Sliders.
    CPngVSliderBar m_sliderScroll;
    CPngHSliderBar m_sliderRed, m_sliderGreen, m_sliderBlue, m_sliderSaturation, m_sliderValue;
    CPngHSliderBar m_sliderSpeed, m_sliderMusic;
    CPngRSliderBar2 m_sliderHue;
    // Colour edits and their hidden companions (red, green, blue, hex).
    CPngListBtn m_btnEditBack[4];
    CClrEdit m_edit[4];
    // Swatches.
    CColorBtn2 m_swatchSlot[8];
    CColorBtn2 m_swatchPreset[5];
    CPngListBtn m_btnSameColour;
    CPngListBtn m_btnDirection[2];

    CColorBtn2* m_pCurSwatch = nullptr;
    CClrEdit* m_pActiveEdit = nullptr;
    bool m_bOverList = false;

protected:
    LRESULT OnCreate();
    void OnPaint();
    LRESULT OnSliderPos(int pos, int id);
    void OnLButtonDown(WPARAM flags, LPARAM pos);
    void ApplyChanges();
    void CommitActiveEdit();
    void OnEditClicked(CClrEdit* edit);
    bool OnEditKeyUp(MSG* msg);
    void SetRgbSliders(COLORREF c);
    COLORREF SlotColour(int slot) const;
    // Checks the one control of a group at `index`, unchecks the others.
    template <class T, size_t N>
    static void CheckOnly(T (&group)[N], int index) {
        for (size_t i = 0; i < N; ++i) group[i].SetCheck((int)i == index ? 1 : 0);
    }
    std::wstring EffectCaption(int effect) const;
    void RefreshProfileControls();

    // Creators of the layout pass.
    SkinEntry CreateListButton(CPngListBtn& btn, LPCWSTR section, LPCWSTR key);
    void CreateSwatch(CColorBtn2& swatch, LPCWSTR section, LPCWSTR key);
    template <class Slider, class... Id>
    void CreateSlider(Slider& slider, LPCWSTR section, LPCWSTR key, int min, int max, Id... id);
    void CreateDial(CPngRSliderBar2& slider, LPCWSTR section, LPCWSTR key, int min, int max);
    void CreateEdit(CClrEdit& edit, LPCWSTR section, LPCWSTR key, bool decimal);
    void ComposeBackground();
};
