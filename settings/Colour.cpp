#include "settings/Colour.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>

namespace {
float Clamp255(float c) {
    if (c >= 255.0f) return 255.0f;
    if (c <= 0.0f) return 0.0f;
    return c;
}
}  // namespace

float ClampComponent(float c) { return std::isnan(c) ? 0.0f : Clamp255(c); }

// Intermediates are rounded to single precision only where a value is kept
// in a float; the arithmetic between those points runs in double. Rounding
// every step instead moves results by one, e.g. hue 12 to green 50, not 51.

HSVF RgbToHsv(float r, float g, float b) {
    const float mx = std::max({r, g, b});
    const float mn = std::min({r, g, b});
    const float delta = mx - mn;
    if (mx == 0.0f) return {0.0f, 0.0f, 0.0f};

    HSVF out;
    out.s = delta / mx;
    float h;
    if (mx == r) h = (float)(((double)g - b) / delta);
    else if (mx == g) h = (float)(((double)b - r) / delta + 2.0);
    else h = (float)(((double)r - g) / delta + 4.0);
    h = h * 60.0f;
    double hue = h;
    if (hue < 0.0) hue += 360.0;
    // A grey divides 0 by 0; the ring shows that as its last degree.
    if (hue >= 359.0 || std::isnan(hue)) out.h = 359.0f;
    else if (hue <= 0.0) out.h = 0.0f;
    else out.h = (float)hue;
    out.v = Clamp255(mx);
    return out;
}

RGBF HsvToRgb(float h, float s, float v) {
    if (s == 0.0f) return {v, v, v};
    const float hh = h / 60.0f;
    const float fl = std::floor(hh);
    // Out-of-range hues fall to the last sector rather than overflow the cast.
    const int i = std::fabs(fl) < 1e6f ? (int)fl : 5;
    const float f = (float)((double)hh - i);
    const double sd = s, vd = v, fd = f;
    const float p = (float)(vd * (1.0 - sd));
    const float q = (float)(vd * (1.0 - sd * fd));
    const float t = (float)(vd * (1.0 - sd * (1.0 - fd)));
    RGBF c;
    switch (i) {
    case 0: c = {v, t, p}; break;
    case 1: c = {q, v, p}; break;
    case 2: c = {p, v, t}; break;
    case 3: c = {p, q, v}; break;
    case 4: c = {t, p, v}; break;
    default: c = {v, p, q}; break;
    }
    return {Clamp255(c.r), Clamp255(c.g), Clamp255(c.b)};
}

std::wstring RgbToHex(float r, float g, float b) {
    wchar_t buf[8];
    swprintf(buf, 8, L"%0.2X%0.2X%0.2X", (int)ClampComponent(r) & 0xFF, (int)ClampComponent(g) & 0xFF,
             (int)ClampComponent(b) & 0xFF);
    return buf;
}

RGBF HexToRgb(const std::wstring& text) {
    float c[3];
    for (int k = 0; k < 3; ++k) {
        const size_t at = (size_t)k * 2;
        const std::wstring part = at < text.size() ? text.substr(at, 2) : std::wstring();
        c[k] = Clamp255((float)std::wcstoul(part.c_str(), nullptr, 16));
    }
    return {c[0], c[1], c[2]};
}

COLORREF PackColour(float r, float g, float b) {
    return RGB((int)ClampComponent(r), (int)ClampComponent(g), (int)ClampComponent(b));
}
