#pragma once
// How the stand-in agent animates each effect number in its preview. The
// table is the one place that ties numbers to looks, so it can follow the
// effect names of the language files.
#include <windows.h>

struct EffectLook {
    int nEffect;
    const char* name;   // what the look shows, for the preview's caption
    bool bAnimated;     // false: one frame is enough, no timer runs
    int nColours;       // colour slots used: 0 none (own palette), 1 the first, 8 all in use
};

// Effects 1..14; null for any other number (drawn dark and still).
const EffectLook* FindEffectLook(int nEffect);

// What one preview strip shows.
struct StripState {
    int nEffect = 0;
    COLORREF colours[8]{};
    int nColours = 1;       // slots in use, 1..8
    int nSpeed = 0;         // -2..2
    int nDirection = 0;     // 1 runs the other way
    bool bLedOn = true;
    bool bMusic = false;    // music mode: a level meter in the colours
    bool bSync = false;     // sync mode: the lighting follows another program; shown as a slow rainbow
};

bool StripAnimates(const StripState& s);
// The colour of LED `led` of `count` at `seconds` since the last reload.
COLORREF StripLedColour(const StripState& s, int led, int count, double seconds);
