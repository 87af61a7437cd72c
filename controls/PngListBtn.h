#pragma once
// The picture button the main window and the pop-up menu put on screen: the
// window background behind it, the state picture blended over it, an
// optional icon and the caption.
#include "controls/BitmapBtnEx.h"

class CPngListBtn : public CBitmapBtnEx {
public:
    CPngListBtn() = default;
    ~CPngListBtn() override;

    // Icons are copied from the top-left of each source, the size of `rc`;
    // null sources keep what was there.
    void SetIcons(HBITMAP normal, HBITMAP over, HBITMAP down, const RECT& rc);
    // The piece `rc` of the window background, painted behind the button.
    void SetBackground(HBITMAP source, const RECT& rc);
    // Toggle buttons look pressed only while checked.
    void SetLatched();

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    CBitmap m_bmpBack;
    CBitmap m_bmpIcon[3];
    RECT m_rcIcon{-1, 0, 0, 0};
    int m_bLatched = 0;
};
