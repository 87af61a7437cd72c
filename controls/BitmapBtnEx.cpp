#include "controls/BitmapBtnEx.h"

CBitmapBtnEx::~CBitmapBtnEx() = default;
