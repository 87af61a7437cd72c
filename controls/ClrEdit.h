#pragma once
// A single-line colour value box drawn transparently over the skin picture
// behind it; in hexadecimal mode it accepts hex digits only.
#include "framework/Controls.h"
#include "framework/Gdi.h"
#include <string>

// Posted to the parent for every typed character: lParam the edit's ID.
constexpr UINT WM_LK_EDIT_CHAR = WM_USER + 72;

class CClrEdit : public CEdit {
public:
    CClrEdit() = default;
    ~CClrEdit() override;

    // Copies `rc` of `picture` as the background; drops the frame and the Tab stop.
    void SetBkBitmap(HBITMAP picture, const RECT& rc);
    void SetEditFont(const std::wstring& face, int height);
    void EnableHexInput() { m_bHexInput = 1; }
    BOOL IsHexInput() const { return m_bHexInput; }
    // Whether a typed character passes the hexadecimal filter.
    static bool IsHexChar(WPARAM c);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    COLORREF m_clrText = 0xFFFFFF;
    COLORREF m_clrBk = 0x000000;

protected:
    // Repaints the part of the parent the edit covers.
    void InvalidateParentArea();

    int m_bHexInput = 0;
    CBrush m_hBkBrush;
    CFont m_font;
    CBitmap m_bmpBk;
};
