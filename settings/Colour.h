#pragma once
// Conversions between the colour panel's three forms, in single precision
// where a value is kept and in double between.
#include <windows.h>
#include <string>

struct RGBF {
    float r, g, b;
};

struct HSVF {
    float h;  // degrees, 0..359
    float s;  // 0..1
    float v;  // 0..255
};

HSVF RgbToHsv(float r, float g, float b);
RGBF HsvToRgb(float h, float s, float v);
// Six upper-case digits, red first.
std::wstring RgbToHex(float r, float g, float b);
// Two digits per component; short or malformed text gives 0 components.
RGBF HexToRgb(const std::wstring& text);

// 0..255, with NaN as 0.
float ClampComponent(float c);
// Each component clamped and truncated toward zero, packed 0x00BBGGRR.
COLORREF PackColour(float r, float g, float b);
inline COLORREF PackColour(const RGBF& c) { return PackColour(c.r, c.g, c.b); }
