#include "standins/agent/Effects.h"
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

COLORREF Scale(COLORREF c, double k) {
    k = k < 0 ? 0 : k > 1 ? 1 : k;
    return RGB((int)(GetRValue(c) * k), (int)(GetGValue(c) * k), (int)(GetBValue(c) * k));
}

COLORREF Mix(COLORREF a, COLORREF b, double f) {
    auto m = [f](int x, int y) { return (int)(x + (y - x) * f); };
    return RGB(m(GetRValue(a), GetRValue(b)), m(GetGValue(a), GetGValue(b)), m(GetBValue(a), GetBValue(b)));
}

COLORREF Hue(double h) {
    h = (h - std::floor(h)) * 6;
    int sector = (int)h;
    double f = h - sector;
    int up = (int)(255 * f), down = 255 - up;
    switch (sector) {
    case 0: return RGB(255, up, 0);
    case 1: return RGB(down, 255, 0);
    case 2: return RGB(0, 255, up);
    case 3: return RGB(0, down, 255);
    case 4: return RGB(up, 0, 255);
    default: return RGB(255, 0, down);
    }
}

// Stable pseudo-random 0..1 per LED and time step: twinkle and fire flicker.
double Noise(int a, int b) {
    unsigned x = (unsigned)a * 374761393u + (unsigned)b * 668265263u;
    x = (x ^ (x >> 13)) * 1274126177u;
    return ((x ^ (x >> 16)) & 0xFFFF) / 65535.0;
}

double Breath(double t) { return 0.08 + 0.92 * (1 - std::cos(2 * kPi * t / 3)) / 2; }

struct Frame {
    const StripState& s;
    int count;
    double t;
    COLORREF Slot(int i) const {
        int n = s.nColours;
        return s.colours[((i % n) + n) % n];
    }
};

using Look = COLORREF (*)(const Frame&, int);

COLORREF Static(const Frame& f, int i) { return f.Slot(i); }
COLORREF Breathing(const Frame& f, int i) { return Scale(f.Slot(i), Breath(f.t)); }
COLORREF ColourCycle(const Frame& f, int) {
    double phase = f.t / 2;
    int k = (int)std::floor(phase);
    return Mix(f.Slot(k), f.Slot(k + 1), phase - k);
}
COLORREF Wave(const Frame& f, int i) {
    double pos = i - f.t * 4;
    return Scale(f.Slot((int)std::floor(pos / 2)), 0.45 + 0.55 * (0.5 + 0.5 * std::sin(pos * kPi / 4)));
}
COLORREF Rainbow(const Frame& f, int i) { return Hue((double)i / (f.count > 0 ? f.count : 1) - f.t / 4); }
COLORREF Comet(const Frame& f, int i) {
    double run = f.t * 8;
    int lap = (int)std::floor(run / (f.count + 4));
    double head = run - lap * (f.count + 4.0), d = head - i;
    return d >= 0 && d < 4 ? Scale(f.Slot(lap), (1 - d / 4) * (1 - d / 4)) : 0;
}
COLORREF Flash(const Frame& f, int) { return f.t * 1.5 - std::floor(f.t * 1.5) < 0.5 ? f.s.colours[0] : 0; }
COLORREF Strobe(const Frame& f, int) {
    double beat = f.t * 4;
    return beat - std::floor(beat) < 0.15 ? f.Slot((int)beat) : 0;
}
COLORREF SingleBreath(const Frame& f, int) { return Scale(f.s.colours[0], Breath(f.t)); }
COLORREF Twinkle(const Frame& f, int i) {
    double step = f.t * 3 + Noise(i, 7);
    int n = (int)std::floor(step);
    double glow = Noise(i, n) > 0.6 ? std::sin((step - n) * kPi) : 0;
    return Scale(f.Slot(i), 0.06 + 0.94 * glow);
}
COLORREF Marquee(const Frame& f, int i) { return ((i + (int)(f.t * 6)) % 3 == 0) ? f.Slot(i) : Scale(f.Slot(i), 0.08); }
COLORREF Scan(const Frame& f, int i) {
    double sweep = f.t * 0.8;
    int pass = (int)std::floor(sweep);
    double x = sweep - pass, pos = (pass % 2 ? 1 - x : x) * (f.count - 1);
    return Scale(f.Slot(pass / 2), std::exp(-(i - pos) * (i - pos)));
}
COLORREF Fire(const Frame& f, int i) {
    int step = (int)(f.t * 12);
    double heat = 0.55 * Noise(i, step) + 0.45 * Noise(i, step + 1);
    return Scale(Mix(RGB(255, 40, 0), RGB(255, 200, 40), heat), 0.5 + 0.5 * heat);
}
COLORREF ColourStack(const Frame& f, int i) {
    int step = (int)(f.t * 6), fill = f.count + 1;
    int k = step / fill, filled = step % fill;
    return i < filled ? f.Slot(k) : f.Slot(k - 1);
}

struct Entry {
    EffectLook look;
    Look colour;
};

const Entry kLooks[] = {
    {{1, "Static", false, 8}, Static},
    {{2, "Breathing", true, 8}, Breathing},
    {{3, "Colour cycle", true, 8}, ColourCycle},
    {{4, "Wave", true, 8}, Wave},
    {{5, "Rainbow", true, 0}, Rainbow},
    {{6, "Comet", true, 8}, Comet},
    {{7, "Flash", true, 1}, Flash},
    {{8, "Strobe", true, 8}, Strobe},
    {{9, "Single-colour breathing", true, 1}, SingleBreath},
    {{10, "Twinkle", true, 8}, Twinkle},
    {{11, "Marquee", true, 8}, Marquee},
    {{12, "Scan", true, 8}, Scan},
    {{13, "Fire", true, 0}, Fire},
    {{14, "Colour stack", true, 8}, ColourStack},
};

const Entry* FindEntry(int nEffect) {
    for (const Entry& e : kLooks)
        if (e.look.nEffect == nEffect) return &e;
    return nullptr;
}

}  // namespace

const EffectLook* FindEffectLook(int nEffect) {
    const Entry* e = FindEntry(nEffect);
    return e ? &e->look : nullptr;
}

bool StripAnimates(const StripState& s) {
    if (!s.bLedOn) return false;
    if (s.bMusic || s.bSync) return true;
    const EffectLook* look = FindEffectLook(s.nEffect);
    return look && look->bAnimated;
}

COLORREF StripLedColour(const StripState& s, int led, int count, double seconds) {
    if (!s.bLedOn || count <= 0) return 0;
    // Speed -2..2 runs from a quarter to four times the middle pace.
    const double t = seconds * std::pow(2.0, s.nSpeed < -2 ? -2 : s.nSpeed > 2 ? 2 : s.nSpeed);
    const int i = s.nDirection ? count - 1 - led : led;
    StripState safe = s;
    if (safe.nColours < 1 || safe.nColours > 8) safe.nColours = safe.nColours > 8 ? 8 : 1;
    if (s.bSync) return Scale(Hue((double)i / count - seconds / 8), 0.7);
    if (s.bMusic) {
        double level = 0.5 + 0.3 * std::sin(seconds * 5.3) + 0.2 * std::sin(seconds * 13.1 + 1);
        return i < level * count ? Frame{safe, count, t}.Slot(i) : 0;
    }
    const Entry* e = FindEntry(s.nEffect);
    return e ? e->colour(Frame{safe, count, t}, i) : 0;
}
