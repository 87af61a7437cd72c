#pragma once
// The vertical picture slider: minimum at the top, thumb at the right edge,
// always reporting as 10001.
#include "controls/PngSliderBase.h"

class CPngVSliderBar : public CPngSliderBase {
public:
    static constexpr int kID = 10001;
    CPngVSliderBar() : CPngSliderBase(true) {}
    ~CPngVSliderBar() override;
    BOOL Create(HWND parent, const RECT& rc) { return CreateSlider(parent, kID, rc); }
};
