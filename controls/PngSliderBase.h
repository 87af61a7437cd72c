#pragma once
// What the horizontal and vertical picture sliders share: a track and a
// thumb painted over the window background, dragging, the wheel, and
// positions proposed to the parent (the parent sets them back).
#include "framework/Wnd.h"
#include "framework/Gdi.h"
#include "skin/Picture.h"

// Posted to the parent: wParam the proposed position, lParam the slider's ID.
constexpr UINT WM_LK_SLIDER_POS = WM_USER + 70;

class CPngSliderBase : public CWnd {
public:
    ~CPngSliderBase() override;

    // Track pictures: normal, down, and disable (null keeps the old one).
    void SetTrackImages(HBITMAP normal, HBITMAP down, HBITMAP disable, const RECT& rc);
    // Whole copies of the thumb pictures; null ones keep the old ones.
    void SetThumbImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable, BYTE thumbTop);
    void SetRange(int min, int max);
    // Not clamped: the parent keeps positions in range.
    void SetPos(int pos);
    int GetPos() const { return m_nPos; }
    int GetRangeMin() const { return m_nMin; }
    int GetRangeMax() const { return m_nMax; }
    int GetID() const { return m_nID; }
    void SetBackground(HBITMAP source, const RECT& rc);
    // The wheel; the main window hands its own wheel turns here as well.
    BOOL OnMouseWheel(short delta);

    // The position a pointer at `pt` (client coordinates) stands for.
    int PosFromPoint(POINT pt) const;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    explicit CPngSliderBase(bool vertical) : m_bVertical(vertical) {}
    BOOL CreateSlider(HWND parent, int id, const RECT& rc);
    void Paint(HDC dc);
    int ThumbOffset(int trackLength, int thumbSize) const;

    const bool m_bVertical;
    int m_nID = 0;
    HWND m_pParent = nullptr;
    RECT m_rcWnd{};
    int m_nPos = 0;
    int m_nMin = 0, m_nMax = 10;
    CBitmap m_pTrack[3];  // normal, down, disable
    PictureSet m_pThumb;
    int m_nThumbW = 0, m_nThumbH = 0;
    BYTE m_bThumbTop = 0;
    CBitmap m_bmpBack;
    int m_bEnabled = 1;
    int m_bDragging = 0;
    int m_bHover = 0;
};
