#pragma once
// The owner-drawn picture button under the colour swatches: hover, checked
// look and clicks reported on release, at most one per half second.
#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "skin/Picture.h"
#include <string>

// Posted to the parent when the pointer enters the button.
constexpr UINT WM_LK_BUTTON_ENTER = WM_USER + 129;

class CBitmapBtn2 : public CButton {
public:
    CBitmapBtn2() = default;
    ~CBitmapBtn2() override;

    // Does nothing before the window exists.
    void SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable, const RECT& rc);
    // Repaints only when the value changes.
    void SetCheck(int checked);
    int GetCheck() const { return m_bChecked; }
    void SetText(const std::wstring& text, int align);
    std::wstring GetText() const { return m_strText; }
    BOOL IsHover() const { return m_bHover; }

    BOOL PreTranslateMessage(MSG* msg) override;
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual DWORD Now() const { return ::GetTickCount(); }

    CToolTipCtrl m_ToolTip;
    PictureSet m_bmpState;
    std::wstring m_strText;
    int m_nTextAlign = 0;
    int m_nFontHeight = 15;
    int m_bChecked = 0;
    int m_bHover = 0;
    DWORD m_dwLastClick = 0;
};
