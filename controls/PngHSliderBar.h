#pragma once
// The horizontal picture slider: minimum at the left.
#include "controls/PngSliderBase.h"

class CPngHSliderBar : public CPngSliderBase {
public:
    CPngHSliderBar() : CPngSliderBase(false) {}
    ~CPngHSliderBar() override;
    // `id` is the window ID and the identity the slider reports with.
    BOOL Create(HWND parent, int id, const RECT& rc) { return CreateSlider(parent, id, rc); }
};
