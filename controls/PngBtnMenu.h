#pragma once
// The skinned pop-up list: one image list button per entry, stacked. It
// never closes itself; the owner destroys it after the selection message.
#include "controls/PngListBtn.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include <list>
#include <memory>
#include <string>
#include <vector>

struct BMPMENUINFO {
    wchar_t szText[260];
    int nData;
};

inline constexpr UINT WM_PNGMENU_SELECT = WM_USER + 257;  // 0x501

class CPngBtnMenu : public CDialog {
public:
    explicit CPngBtnMenu(HWND owner);
    ~CPngBtnMenu() override;

    void SetMenuPictures(const std::wstring& normal, const std::wstring& over, const std::wstring& down,
                         const std::wstring& disable);
    void SetPosition(int x, int y) { m_ptPos = POINT{x, y}; }
    void SetItemHeight(int h) { m_nItemHeight = h; }
    void SetItemFontHeight(int h) { m_nItemFontHeight = h; }
    void SetItemAlign(int code, int margin) { m_nItemAlign = code; m_nItemTextMargin = margin; }
    void SetItemColors(COLORREF normal, COLORREF hover) { m_clrItemText = normal; m_clrItemHover = hover; }
    void AddItem(const std::wstring& text, int data);
    // Creates the window (modeless, from its template), lays it out and shows it.
    BOOL CreateMenuWindow();

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    int GetItemCount() const { return (int)m_itemList.size(); }
    int GetSel() const { return m_nSel; }
    CPngListBtn* GetRow(int i) { return i >= 0 && i < (int)m_pRows.size() ? m_pRows[i].get() : nullptr; }

    HWND m_pOwner;
    POINT m_ptPos{0, 0};
    int m_nItemHeight = -1;
    int m_nItemFontHeight = 18;
    int m_nItemAlign = 1;
    int m_nItemTextMargin = 0;
    COLORREF m_clrItemText = 0xFFFFFF;
    COLORREF m_clrItemHover = 0x3026D8;
    CBitmap m_bmpItem[4];
    std::list<BMPMENUINFO> m_itemList;
    std::vector<std::unique_ptr<CPngListBtn>> m_pRows;
    int m_nSel = -1;

private:
    void OnPaint();
    void FreeRows();
};

// Stretches a picture `src` (width w, height S) to height `t` keeping the top
// and bottom bands of height `edge` and tiling the middle band between them.
void StretchThreeSlice(CBitmap& bmp, HDC dc, int t, int edge);
