#include "controls/PngHSliderBar.h"

CPngHSliderBar::~CPngHSliderBar() = default;
