#pragma once
// The dial: a knob on a circle, a slider bent round. It keeps a raw angle
// (0 = knob straight below the centre, growing clockwise) and reports
// positions turned by a fixed offset of 90.
#include "controls/PngSliderBase.h"

class CPngRSliderBar2 : public CWnd {
public:
    static constexpr int kID = 10006;
    CPngRSliderBar2() = default;
    ~CPngRSliderBar2() override;

    BOOL Create(HWND parent, const RECT& rc);
    // Only the dial picture is drawn; the second one is kept.
    void SetTrackImages(HBITMAP dial, HBITMAP second, const RECT& rc);
    // Only the knob is drawn; the second picture and the flag are kept.
    void SetThumbImages(HBITMAP knob, HBITMAP second, BYTE flag);
    void SetRange(int min, int max);
    void SetPos(int pos);
    int GetPos() const;
    int GetRaw() const { return m_nRaw; }
    // The non-white pixels of `mask` become the window's shape.
    void SetWindowShape(HBITMAP mask);
    RECT GetCircle() const { return m_rcCircle; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    int Range() const { return m_nMax - m_nMin; }
    void Follow(POINT pt);
    void Paint(HDC dc);
    void UpdateCircle();
    void Propose(int pos) { ::PostMessageW(m_pParent, WM_LK_SLIDER_POS, (WPARAM)pos, m_nID); }

    int m_nID = kID;
    HWND m_pParent = nullptr;
    RECT m_rcWnd{};
    int m_nRaw = 0;
    int m_nMin = 0, m_nMax = 10;
    int m_nOffset = 90;
    CBitmap m_pDial, m_pDialSecond;
    CBitmap m_pThumb, m_pThumbSecond;
    int m_nThumbW = 0, m_nThumbH = 0;
    RECT m_rcCircle{};
    int m_bDragging = 0;
    int m_bEnabled = 1;
    HRGN m_hShape = nullptr;  // owned by the window once set
};
