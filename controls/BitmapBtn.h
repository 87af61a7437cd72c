#pragma once
// The owner-drawn picture push button at the root of the skinned buttons.
#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "skin/Picture.h"
#include <string>

class CBitmapBtn : public CButton {
public:
    CBitmapBtn() = default;
    ~CBitmapBtn() override;

    // Each state picture becomes a copy of `rc` of its source (a null source
    // keeps the state as it was).
    void SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable, const RECT& rc);
    void SetText(const std::wstring& text, int margin, BYTE keepRight = 0);
    std::wstring GetText() const { return m_strText; }
    void SetTextColors(COLORREF hover, COLORREF normal, COLORREF down, COLORREF disable);
    void SetPressedTextGrey() { m_clrTextDown = 0x8B8B8B; }
    void SetFontHeight(int height) { m_nFontHeight = height; }
    void SetTextAlign(int code) { m_nTextAlign = code; }
    void SetTextRect(int left, int top, int right, int bottom);
    // The checked look; the button never toggles itself.
    void SetCheck(int checked);
    int GetCheck() const { return m_bChecked; }
    BOOL IsHover() const { return m_bHover; }
    // Report the click when the left button comes up instead of going down.
    void SetClickOnRelease() { m_nClickMode = 2; }
    // A null text is ignored.
    void SetTooltipText(LPCWSTR text, BOOL activate);
    CToolTipCtrl& GetToolTip() { return m_ToolTip; }

    BOOL PreTranslateMessage(MSG* msg) override;
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    // The millisecond clock of the click rules; tests give their own.
    virtual DWORD Now() const { return ::GetTickCount(); }
    // The picture of the plain look.
    HBITMAP PlainPicture(UINT state) const;

    CToolTipCtrl m_ToolTip;
    PictureSet m_bmpState;
    std::wstring m_strText;
    int m_nTextMargin = 0;
    BYTE m_bKeepRight = 0;
    RECT m_rcText{};
    BOOL m_bTextRect = FALSE;
    int m_nTextAlign = 1;
    int m_nFontHeight = 15;
    COLORREF m_clrTextHover = 0x000000;
    COLORREF m_clrTextNormal = 0xD0D0D0;
    COLORREF m_clrTextDown = 0xFFFFFF;
    COLORREF m_clrTextDisable = 0x464646;
    int m_bHover = 0;
    int m_bChecked = 0;
    int m_nClickMode = 1;
    DWORD m_dwLastClick = 0;
};
