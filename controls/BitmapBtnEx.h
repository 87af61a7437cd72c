#pragma once
// The step between the plain picture button and the list button.
#include "controls/BitmapBtn.h"

class CBitmapBtnEx : public CBitmapBtn {
public:
    CBitmapBtnEx() = default;
    ~CBitmapBtnEx() override;
};
