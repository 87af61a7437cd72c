#include "controls/PngVSliderBar.h"

CPngVSliderBar::~CPngVSliderBar() = default;
