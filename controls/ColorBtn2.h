#pragma once
// The colour swatch: a grey-scale picture recoloured with the chosen colour,
// blended over the window background behind it.
#include "controls/BitmapBtn2.h"

class CColorBtn2 : public CBitmapBtn2 {
public:
    CColorBtn2() = default;
    ~CColorBtn2() override;

    // Makes the two tinted pictures, w by h.
    void SetSwatchSources(int w, int h);
    // Tints the normal and down pictures with the colour and repaints.
    void SetSwatchColour(BYTE r, BYTE g, BYTE b);
    COLORREF GetSwatchColour() const { return ::GetSwatchColour(m_tint); }
    void SetBackground(HBITMAP source, const RECT& rc);

    void DrawItem(LPDRAWITEMSTRUCT dis) override;

protected:
    SwatchTint m_tint;
    CBitmap m_bmpBack;
};
